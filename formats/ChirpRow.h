#pragma once

#include <map>
#include <optional>
#include <string>

#include "formats/ChannelImport.h"
#include "formats/Csv.h"
#include "image/BandLimits.h"

// One row of a CHIRP CSV file turned into the texts of one channel, or the
// reason it cannot be stored; the row is not placed yet.
namespace ChirpRow {

// The header line: where each named column is. A column the header does not
// name reads as CHIRP's default value for it.
class Columns {
public:
    explicit Columns(const Csv::Record& header);
    bool Has(const std::string& name) const { return m_Index.count(name) > 0; }
    std::size_t Count() const { return m_Count; }
    // The trimmed field of the named column, or the column's default.
    std::string Value(const Csv::Record& row, const std::string& name) const;

private:
    std::map<std::string, std::size_t> m_Index;
    std::size_t m_Count = 0;
};

// nullopt for a blank line, which is no row at all.
std::optional<ChannelImport::Row> Map(const Csv::Record& row, const Columns& columns,
                                      const BandEdges& band);

} // namespace ChirpRow
