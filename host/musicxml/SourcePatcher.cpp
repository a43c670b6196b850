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

std::size_t StartTagEnd(const std::string& source, const pugi::xml_node& element) {
  char quote = '\0';
  for (auto at = static_cast<std::size_t>(element.offset_debug()); at < source.size(); ++at) {
    const char c = source[at];
    if (quote != '\0') {
      if (c == quote) quote = '\0';
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return at;
    }
  }
  return source.size();
}

namespace {

// Just past a node that has no children.
std::size_t EndOfLeaf(const std::string& source, const pugi::xml_node& node) {
  const auto at = static_cast<std::size_t>(node.offset_debug());
  switch (node.type()) {
    case pugi::node_element: {
      const std::size_t close = StartTagEnd(source, node);
      if (source[close - 1] == '/') return close + 1;
      return source.find('>', source.find("</", close)) + 1;  // "<name></name>"
    }
    case pugi::node_pcdata:
      return source.find('<', at);
    case pugi::node_comment:
      return source.find("-->", at) + 3;
    case pugi::node_cdata:
      return source.find("]]>", at) + 3;
    case pugi::node_pi:
    case pugi::node_declaration:
      return source.find("?>", at) + 2;
    default:
      return at;
  }
}

}  // namespace

Span SpanOf(const std::string& source, const pugi::xml_node& element) {
  const auto begin = static_cast<std::size_t>(element.offset_debug()) - 1;
  // From the end of the last descendant up through the end tags of its
  // ancestors: each end tag follows its last child, so one of the same name
  // nested inside is never taken for the element's own.
  pugi::xml_node node = element;
  while (node.last_child()) node = node.last_child();
  std::size_t end = EndOfLeaf(source, node);
  while (node != element) {
    node = node.parent();
    end = source.find('>', source.find(std::string("</") + node.name(), end)) + 1;
  }
  return {begin, end};
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
  const std::size_t close = StartTagEnd(source_, element);
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
