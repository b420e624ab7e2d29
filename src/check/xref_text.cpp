#include "check/cell_ref_text.h"
#include "check/cross_reference.h"
#include "model/address.h"
#include "model/catalog.h"
#include "platform/codepage.h"
#include "platform/strings/check.h"

namespace varno {

namespace {

std::string_view SymbolOfCode(std::span<const std::uint8_t> codes,
                              std::span<const std::string_view> symbols, std::uint8_t code) {
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == code) {
            return symbols[i];
        }
    }
    return {};
}

std::string CountText(int count, StrId one, StrId many) {
    return count == 1 ? LoadString(one) : Format(LoadString(many).c_str(), count);
}

// A field as RFC 4180 wants it: quoted, with its quotes doubled, when it holds a comma, a
// quote or a line break.
std::string CsvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

}  // namespace

std::string UseText(const CAddressUse& use) {
    switch (use.kind) {
        case UseKind::Contact:
            return std::string(SymbolOfCode(CONTACT_CODES, CONTACT_SYMBOLS, use.code));
        case UseKind::Coil:
            return std::string(SymbolOfCode(COIL_CODES, COIL_SYMBOLS, use.code));
        case UseKind::Operand: {
            const std::string name(FuncName(use.code).value_or(""));
            return Format(LoadString(IDS_XREF_OPERAND).c_str(), name.c_str(), use.operand + 1);
        }
    }
    return {};
}

std::string AccessText(Access access) {
    switch (access) {
        case Access::Read:
            return LoadString(IDS_XREF_READ);
        case Access::Write:
            return LoadString(IDS_XREF_WRITE);
        case Access::ReadWrite:
            return LoadString(IDS_XREF_READ_WRITE);
        case Access::None:
            break;
    }
    return {};
}

std::string UseCountText(const CXrefAddress& entry) {
    const std::string& separator = LoadString(IDS_XREF_COUNT_SEPARATOR);
    std::string text = CountText(entry.reads, IDS_XREF_ONE_READ, IDS_XREF_READS) + separator +
                       CountText(entry.writes, IDS_XREF_ONE_WRITE, IDS_XREF_WRITES);
    if (entry.others > 0) {
        text += separator + CountText(entry.others, IDS_XREF_ONE_OTHER, IDS_XREF_OTHERS);
    }
    return text;
}

std::vector<std::string> CrossReferenceLines(const CCrossReference& xref) {
    std::vector<std::string> lines;
    lines.reserve(xref.addresses.size() + xref.uses.size() + 1);
    for (const CXrefAddress& entry : xref.addresses) {
        std::string head = FormatAddress(entry.address, true);
        for (const std::string* text : {&entry.symbol, &entry.comment}) {
            if (!text->empty()) {
                head += "  " + *text;
            }
        }
        lines.push_back(head + "  (" + UseCountText(entry) + ")");
        for (const CAddressUse& use : xref.UsesOf(entry)) {
            std::string line = "  " + CellRefText(xref.programs, use.at);
            line.resize(std::max<std::size_t>(line.size() + 2, 18), ' ');
            line += UseText(use);
            if (std::string access = AccessText(use.access); !access.empty()) {
                line += "  " + access;
            }
            lines.push_back(std::move(line));
        }
    }
    lines.push_back(Format(LoadString(IDS_XREF_SUMMARY).c_str(),
                           static_cast<int>(xref.addresses.size()),
                           static_cast<int>(xref.uses.size())));
    return lines;
}

std::string CrossReferenceCsv(const CCrossReference& xref) {
    std::string csv = LoadString(IDS_XREF_CSV_HEADER) + "\r\n";
    for (const CXrefAddress& entry : xref.addresses) {
        const std::string prefix = CsvField(FormatAddress(entry.address, true)) + "," +
                                   CsvField(entry.symbol) + "," + CsvField(entry.comment) + ",";
        for (const CAddressUse& use : xref.UsesOf(entry)) {
            csv += prefix;
            csv += CsvField(ProgramName(xref.programs, use.at)) + ",";
            csv += std::to_string(use.at.row) + "," + std::to_string(use.at.column) + ",";
            csv += CsvField(UseText(use)) + "," + CsvField(AccessText(use.access)) + "\r\n";
        }
    }
    return csv;
}

}  // namespace varno
