#include "annex/csv_table.h"

#include <array>
#include <csv.h>
#include <memory>
#include <string_view>

#include "catalog/cp1252.h"

namespace annex {
namespace {

bool isUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t follow = 0;
    if (c >= 0xC2 && c <= 0xDF) follow = 1;
    else if (c >= 0xE0 && c <= 0xEF) follow = 2;
    else if (c >= 0xF0 && c <= 0xF4) follow = 3;
    else if (c >= 0x80) return false;
    if (i + follow >= text.size() && follow > 0) return false;
    for (std::size_t k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += follow + 1;
  }
  return true;
}

// The text in Windows-1252, whatever of the three encodings it came in.
std::string inCodePage(std::string_view data) {
  if (data.substr(0, 3) == "\xEF\xBB\xBF") return catalog::cp1252::fromUtf8(data.substr(3));
  bool ascii = true;
  for (const char c : data) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (!ascii && isUtf8(data)) return catalog::cp1252::fromUtf8(data);
  return std::string(data);
}

// The separator the first line with any of them uses most, outside quotes.
unsigned char separatorOf(std::string_view text) {
  std::array<std::size_t, 3> counts{};
  static constexpr std::array<char, 3> kSeparators = {';', ',', '\t'};
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') {
      if (counts[0] + counts[1] + counts[2] > 0) break;
      continue;
    }
    for (std::size_t s = 0; s < kSeparators.size(); ++s) counts[s] += c == kSeparators[s] ? 1 : 0;
  }
  std::size_t best = 0;
  for (std::size_t s = 1; s < counts.size(); ++s)
    if (counts[s] > counts[best]) best = s;
  return static_cast<unsigned char>(kSeparators[best]);
}

struct Collector {
  Grid rows;
  std::vector<std::string> row;
};

void onField(void* field, std::size_t length, void* data) {
  static_cast<Collector*>(data)->row.emplace_back(static_cast<const char*>(field), length);
}

void onRowEnd(int, void* data) {
  auto* collector = static_cast<Collector*>(data);
  collector->rows.push_back(std::move(collector->row));
  collector->row.clear();
}

}  // namespace

Grid readCsvGrid(const std::string& data) {
  const std::string text = inCodePage(data);
  csv_parser parser{};
  if (csv_init(&parser, 0) != 0) throw std::bad_alloc();
  const std::unique_ptr<csv_parser, void (*)(csv_parser*)> freed(&parser, csv_free);
  csv_set_delim(&parser, separatorOf(text));
  Collector collector;
  csv_parse(&parser, text.data(), text.size(), onField, onRowEnd, &collector);
  csv_fini(&parser, onField, onRowEnd, &collector);
  return std::move(collector.rows);
}

}  // namespace annex
