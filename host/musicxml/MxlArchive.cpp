#include "host/musicxml/MxlArchive.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <pugixml.hpp>

#include "host/musicxml/MusicXmlReader.h"
#include "host/musicxml/MusicXmlWriter.h"

namespace host::musicxml {
namespace {

constexpr const char* kContainer = "META-INF/container.xml";
constexpr const char* kDefaultMember = "score.musicxml";

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

Archive Open(const std::string& path, int flags) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), flags, &error);
  if (archive == nullptr) {
    zip_error_t details;
    zip_error_init_with_code(&details, error);
    const std::string message = zip_error_strerror(&details);
    zip_error_fini(&details);
    Fail(path, "not a readable compressed MusicXML archive: " + message);
  }
  return Archive(archive);
}

std::string ReadMember(zip_t* archive, const std::string& path, const std::string& member) {
  zip_stat_t stat;
  if (zip_stat(archive, member.c_str(), 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
    Fail(path, "the archive has no member " + member);
  }
  zip_file_t* file = zip_fopen(archive, member.c_str(), 0);
  if (file == nullptr) Fail(path, "cannot read the member " + member + ": " + zip_strerror(archive));
  std::string bytes(static_cast<std::size_t>(stat.size), '\0');
  const zip_int64_t read = zip_fread(file, bytes.data(), bytes.size());
  zip_fclose(file);
  if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
    Fail(path, "cannot read the member " + member);
  return bytes;
}

// The score's member as the container names it.
std::string ScoreMember(zip_t* archive, const std::string& path) {
  const std::string container = ReadMember(archive, path, kContainer);
  pugi::xml_document xml;
  if (!xml.load_buffer(container.data(), container.size()))
    Fail(path, std::string(kContainer) + " is malformed");
  const pugi::xml_node rootfile = xml.select_node("//rootfile[@full-path]").node();
  if (!rootfile) Fail(path, std::string(kContainer) + " names no score");
  return rootfile.attribute("full-path").value();
}

void AddBuffer(zip_t* archive, const std::string& path, const std::string& member, const std::string& bytes,
               bool stored) {
  // The archive reads the bytes when it is closed: it gets a copy it frees.
  void* copy = std::malloc(bytes.size() > 0 ? bytes.size() : 1);
  if (copy == nullptr) Fail(path, "out of memory");
  std::memcpy(copy, bytes.data(), bytes.size());
  zip_source_t* source = zip_source_buffer(archive, copy, bytes.size(), 1);
  if (source == nullptr) {
    std::free(copy);
    Fail(path, "cannot write the archive: " + std::string(zip_strerror(archive)));
  }
  const zip_int64_t index =
      zip_file_add(archive, member.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    Fail(path, "cannot write the archive: " + std::string(zip_strerror(archive)));
  }
  if (stored) zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
}

}  // namespace

bool IsMxlPath(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".mxl";
}

MxlScore ReadMxl(const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) Fail(path, "cannot open the file");
  Archive archive = Open(path, ZIP_RDONLY);
  MxlScore score;
  score.member = ScoreMember(archive.get(), path);
  score.text = ReadMember(archive.get(), path, score.member);
  return score;
}

void WriteMxl(const std::string& output, const std::string& input, const std::string& text) {
  namespace fs = std::filesystem;
  const fs::path target(output);
  const fs::path temporary = TemporaryPathFor(output);
  std::error_code ignored;
  fs::remove(temporary, ignored);
  try {
    std::string member = kDefaultMember;
    Archive archive;
    if (IsMxlPath(input)) {
      // Every member but the score is copied as it is.
      {
        Archive source = Open(input, ZIP_RDONLY);
        member = ScoreMember(source.get(), input);
      }
      fs::copy_file(input, temporary, fs::copy_options::overwrite_existing);
      archive = Open(temporary.string(), 0);
    } else {
      archive = Open(temporary.string(), ZIP_CREATE | ZIP_TRUNCATE);
      AddBuffer(archive.get(), output, "mimetype", "application/vnd.recordare.musicxml", true);
      AddBuffer(
          archive.get(), output, kContainer,
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<container>\n  <rootfiles>\n"
          "    <rootfile full-path=\"" +
              member +
              "\" media-type=\"application/vnd.recordare.musicxml+xml\"/>\n  </rootfiles>\n</container>\n",
          false);
    }
    AddBuffer(archive.get(), output, member, text, false);
    zip_t* raw = archive.release();
    if (zip_close(raw) != 0) {
      const std::string message = zip_strerror(raw);
      zip_discard(raw);
      Fail(output, "cannot write the archive: " + message);
    }
    fs::rename(temporary, target);
  } catch (const fs::filesystem_error& error) {
    fs::remove(temporary, ignored);
    Fail(output, std::string("cannot write the file: ") + error.what());
  } catch (...) {
    fs::remove(temporary, ignored);
    throw;
  }
}

}  // namespace host::musicxml
