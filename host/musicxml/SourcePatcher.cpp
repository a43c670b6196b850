#include "host/musicxml/SourcePatcher.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace host::musicxml {
namespace {

bool IsSpace(const char* text) {
  for (; *text != '\0'; ++text) {
    if (std::strchr(" \t\r\n", *text) == nullptr) return false;
  }
  return true;
}

}  // namespace

Span SpanOf(const std::string& source, const pugi::xml_node& element) {
  const auto name = static_cast<std::size_t>(element.offset_debug());
  const std::size_t startTagEnd = source.find('>', name);
  if (source[startTagEnd - 1] == '/') return {name - 1, startTagEnd + 1};
  // The elements edited here never nest inside one of their own name, so
  // the next end tag of that name closes this one.
  const std::string endTag = std::string("</") + element.name();
  std::size_t at = source.find(endTag, startTagEnd);
  while (std::strchr(" \t\r\n>", source[at + endTag.size()]) == nullptr) at = source.find(endTag, at + 1);
  return {name - 1, source.find('>', at) + 1};
}

void Patcher::Replace(Span span, std::string text) {
  patches_.push_back({span.begin, span.end - span.begin, std::move(text)});
}

void Patcher::Insert(std::size_t offset, std::string text) {
  patches_.push_back({offset, 0, std::move(text)});
}

void Patcher::Remove(const pugi::xml_node& element) {
  Span span = SpanOf(source_, element);
  const pugi::xml_node before = element.previous_sibling();
  if (before.type() == pugi::node_pcdata && IsSpace(before.value())) {
    span.begin = static_cast<std::size_t>(before.offset_debug());
  }
  Replace(span, "");
}

void Patcher::SetText(const pugi::xml_node& element, const std::string& text) {
  const pugi::xml_node data = element.first_child();
  if (data.type() == pugi::node_pcdata) {
    const auto start = static_cast<std::size_t>(data.offset_debug());
    Replace({start, source_.find('<', start)}, text);
    return;
  }
  // "<name/>" becomes "<name>text</name>"; "<name></name>" gets the text inside.
  const std::size_t close = source_.find('>', static_cast<std::size_t>(element.offset_debug()));
  if (source_[close - 1] == '/') {
    Replace({close - 1, close + 1}, ">" + text + "</" + element.name() + ">");
  } else {
    Insert(close + 1, text);
  }
}

std::string Patcher::Render(Span span) const {
  std::vector<Patch> sorted = patches_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Patch& a, const Patch& b) {
    // At one offset, an insertion goes before a replacement that starts there.
    return a.offset < b.offset || (a.offset == b.offset && a.length == 0 && b.length > 0);
  });
  std::string out;
  out.reserve(span.end - span.begin + 64 * sorted.size());
  std::size_t at = span.begin;
  for (const Patch& patch : sorted) {
    // Two edits of the same bytes would be a fault of the writer.
    if (patch.offset < at || patch.offset + patch.length > span.end)
      throw std::logic_error("overlapping edits of a MusicXML file");
    out.append(source_, at, patch.offset - at);
    out += patch.text;
    at = patch.offset + patch.length;
  }
  out.append(source_, at, span.end - at);
  return out;
}

std::string EscapeText(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

}  // namespace host::musicxml
