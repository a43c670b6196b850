// Edits of a MusicXML file in its own bytes: every edit names a byte range
// of the file as it was read, and all are applied at once, so whatever is
// not edited stays exactly as the user wrote it.
#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <string>
#include <vector>

namespace host::musicxml {

// Where an element's bytes are in the file it was parsed from: from its "<"
// to just past its end tag, or past "/>" when it has none.
struct Span {
  std::size_t begin;
  std::size_t end;
};

Span SpanOf(const std::string& source, const pugi::xml_node& element);
// Where the ">" that ends an element's start tag is (a ">" inside an
// attribute value does not end it).
std::size_t StartTagEnd(const std::string& source, const pugi::xml_node& element);

class Patcher {
 public:
  explicit Patcher(const std::string& source) : source_(source) {}

  const std::string& Source() const { return source_; }
  std::size_t Count() const { return patches_.size(); }

  void Replace(Span span, std::string text);
  void Insert(std::size_t offset, std::string text);
  // Removes an element together with the whitespace that leads up to it, so
  // no empty line is left where it stood.
  void Remove(const pugi::xml_node& element);
  // Replaces the character data of an element, whatever it is written as.
  void SetText(const pugi::xml_node& element, const std::string& text);
  // The bytes of the span with the patches that lie inside it applied; every
  // patch must lie inside. Throws std::logic_error for overlapping edits.
  std::string Render(Span span) const;
  std::string Apply() const { return Render({0, source_.size()}); }

 private:
  struct Patch {
    std::size_t offset;
    std::size_t length;
    std::string text;
  };

  const std::string& source_;
  std::vector<Patch> patches_;
};

// Text as XML character data: &, < and > escaped.
std::string EscapeText(const std::string& text);

}  // namespace host::musicxml
