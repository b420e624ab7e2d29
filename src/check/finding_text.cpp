#include "check/cell_ref_text.h"
#include "check/diagnostics.h"
#include "compiler/error_list.h"
#include "model/address.h"
#include "platform/codepage.h"
#include "platform/strings/check.h"

namespace varno {

namespace {

StrId CompileMessage(int kind) {
    switch (kind) {
        case ERR_CONNECT:
            return IDS_CHECK_CONNECT_ERROR;
        case ERR_SHORT_CONNECT:
            return IDS_CHECK_SHORT_CONNECT;
        case ERR_OUTPUT:
            return IDS_CHECK_OUTPUT_ERROR;
        case ERR_REFLUENCE:
            return IDS_CHECK_REFLUENCE_ERROR;
        case ERR_FUNC_IN_BRANCH:
            return IDS_CHECK_FUNCTION_CONNECT_ERROR;
        case ERR_FUNC_OUTPUT:
            return IDS_CHECK_FUNCTION_OUTPUT_ERROR;
        default:
            return IDS_CHECK_SYNTAX_ERROR;
    }
}

StrId SeverityWord(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return IDS_CHECK_ERROR;
        case Severity::Warning:
            return IDS_CHECK_WARNING;
        case Severity::Note:
            return IDS_CHECK_NOTE;
    }
    return IDS_CHECK_ERROR;
}

const char* Text(StrId id) {
    return LoadString(id).c_str();
}

std::string Message(const CCheckResult& result, const CFinding& finding) {
    const std::string subject = FormatOperand(finding.subject, true);
    const std::string other = CellRefText(result.programs, finding.other);
    switch (finding.rule) {
        case CheckRule::Compile:
            return LoadString(CompileMessage(finding.kind));
        case CheckRule::UndefinedSubprogram:
            return Format(Text(IDS_CHECK_UNDEFINED_SUBPROGRAM), subject.c_str());
        case CheckRule::UndefinedLabel:
            return Format(Text(IDS_CHECK_UNDEFINED_LABEL), subject.c_str());
        case CheckRule::CoilWrittenTwice:
            return Format(Text(IDS_CHECK_COIL_WRITTEN_TWICE), subject.c_str(), other.c_str());
        case CheckRule::CoilAndSetReset:
            return Format(Text(IDS_CHECK_COIL_AND_SET_RESET), subject.c_str(), other.c_str());
        case CheckRule::SetWithoutReset:
            return Format(Text(IDS_CHECK_SET_WITHOUT_RESET), subject.c_str());
        case CheckRule::ResetWithoutSet:
            return Format(Text(IDS_CHECK_RESET_WITHOUT_SET), subject.c_str());
        case CheckRule::ReadNeverWritten:
            return Format(Text(IDS_CHECK_READ_NEVER_WRITTEN), subject.c_str());
        case CheckRule::UncalledSubprogram:
            return Format(Text(IDS_CHECK_UNCALLED_SUBPROGRAM),
                          ProgramName(result.programs, finding.at).c_str(), Text(IDS_LEVEL1),
                          Text(IDS_LEVEL2));
        case CheckRule::WrittenNeverRead:
            return Format(Text(IDS_CHECK_WRITTEN_NEVER_READ), subject.c_str());
    }
    return {};
}

}  // namespace

std::string FindingMessage(const CCheckResult& result, const CFinding& finding) {
    return Message(result, finding);
}

std::string FindingText(const CCheckResult& result, const CFinding& finding) {
    return CellRefText(result.programs, finding.at) + ": " +
           LoadString(SeverityWord(finding.severity)) + ": " + Message(result, finding);
}

std::string CheckSummaryText(const CCheckResult& result) {
    return Format(Text(IDS_CHECK_SUMMARY), static_cast<int>(result.errors),
                  static_cast<int>(result.warnings), static_cast<int>(result.notes));
}

}  // namespace varno
