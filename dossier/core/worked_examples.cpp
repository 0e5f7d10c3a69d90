#include "dossier/core/worked_examples.h"

#include <stdexcept>

namespace kalmoris {

namespace {

using Row = std::array<std::optional<QString>, 4>;

Row row(const char* amount, const char* count, const char* insurance, const char* fees) {
  auto cell = [](const char* text) -> std::optional<QString> {
    if (text == nullptr) return std::nullopt;
    return QString::fromUtf8(text);
  };
  return {cell(amount), cell(count), cell(insurance), cell(fees)};
}

WorkedExample example(std::array<const char*, kHeaderFieldCount> header, int groupCount,
                      std::vector<Row> rows) {
  WorkedExample data;
  for (std::size_t k = 0; k < header.size(); ++k) data.header[k] = QString::fromUtf8(header[k]);
  data.groupCount = groupCount;
  data.rows = std::move(rows);
  return data;
}

WorkedExample simpleExample() {
  return example({"g. roravor_oridorer_edaraz", "200000", "180", "12", "12.00", "frais notariaux",
                  "frais de dossier", "", "7116", "2000", "", "2"},
                 2, {row("-200000", "1", nullptr, "9116"), row("2304.69", "180", "89", nullptr)});
}

WorkedExample variantExample() {
  return example({"g. roravor_oridorer_edaraz", "200000", "180", "12", "12.13", "frais notariaux",
                  "frais de dossier", "", "7116", "2000", "", "3"},
                 3,
                 {row("-200000", "1", "0", "7116"), row("2304.69", "1", "89", "2000"),
                  row("2304.69", "179", "89", "0")});
}

// 24 monthly payments, then 12 two-monthly ones, each after a payment of 0 that keeps the
// monthly period.
WorkedExample periodicityExample() {
  std::vector<Row> rows = {row("-20000", "1", "0", "0"), row("500", "1", "5", "200"),
                           row("500", "23", "5", "0")};
  for (int group = 4; group <= 27; ++group)
    rows.push_back(group % 2 == 0 ? row("0", "1", "0", "0") : row("1005", "1", "10", "0"));
  return example({"exemple imaginaire", "20000", "36", "12", "0", "frais de dossier", "", "", "200",
                  "0", "", "27"},
                 27, std::move(rows));
}

}  // namespace

const WorkedExample& workedExample(int number) {
  static const WorkedExample examples[] = {simpleExample(), variantExample(), periodicityExample()};
  if (number < 1 || number > 3) throw std::out_of_range("workedExample: no such example");
  return examples[number - 1];
}

void fillWorkedExample(const WorkedExample& example, LoanDossier& dossier, DossierView& view) {
  for (std::size_t k = 0; k < kHeaderFields.size(); ++k)
    view.writeField(kHeaderFields[k], example.header[k]);
  dossier.blockCount = static_cast<std::uint16_t>(example.groupCount);
  for (std::size_t r = 0; r < example.rows.size(); ++r) {
    for (std::size_t c = 0; c < 4; ++c) {
      if (example.rows[r][c])
        view.writeCell(static_cast<int>(c) + 1, int(r) + 1, *example.rows[r][c]);
    }
  }
}

}  // namespace kalmoris
