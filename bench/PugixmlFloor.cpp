// The floor for reading and writing a MusicXML file: pugixml parses it with
// the flags the host's reader uses and saves it unformatted, nothing else.
#include <pugixml.hpp>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: musicxml_floor INPUT OUTPUT\n");
    return 2;
  }
  pugi::xml_document document;
  if (!document.load_file(argv[1], pugi::parse_full | pugi::parse_ws_pcdata)) {
    std::fprintf(stderr, "musicxml_floor: cannot parse %s\n", argv[1]);
    return 2;
  }
  if (!document.save_file(argv[2], "", pugi::format_raw | pugi::format_no_declaration)) {
    std::fprintf(stderr, "musicxml_floor: cannot write %s\n", argv[2]);
    return 2;
  }
  return 0;
}
