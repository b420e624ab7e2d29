#include "compiler/network_memo.h"

#include "compiler/network_shape.h"
#include "model/ladder.h"

namespace varno {

namespace {

// Shapes one compiler remembers, which bounds what a project of few repeats costs.
constexpr std::size_t MAX_SHAPES = 4096;

}  // namespace

bool CMemoCompiler::Compile(CLadder& ladder, int first, int end, CLDCmdList* out) {
    NetworkShape(ladder, first, end, shape_);
    const auto known = known_.find(shape_);
    if (known != known_.end() && (out == nullptr || Replay(known->second, ladder, first, *out))) {
        const CRun errors = known->second.errors;
        for (std::size_t e = errors.first; e < errors.first + errors.count; ++e) {
            errors_.Add(first + errorRows_[e].first, errorRows_[e].second);
        }
        return known->second.compiled;
    }
    CLDCmdList& list = out != nullptr ? *out : scratch_;
    if (out == nullptr) {
        scratch_.Clear();
    }
    const std::size_t start = list.GetCount();
    const std::size_t errorsFrom = errors_.GetCount();
    const bool compiled = compiler_.Compile(ladder, first, end, list);
    if (known == known_.end() && known_.size() < MAX_SHAPES) {
        Remember(first, out, start, errorsFrom, compiled);
    }
    return compiled;
}

bool CMemoCompiler::Replay(const CKnownShape& known, const CLadder& ladder, int first,
                           CLDCmdList& out) const {
    if (!known.withCode) {
        return false;
    }
    std::vector<CLDCmd>& items = out.Items();
    const std::size_t start = items.size();
    const auto code = code_.begin() + static_cast<std::ptrdiff_t>(known.code.first);
    std::size_t from = 0;
    for (std::size_t e = known.elements.first; e < known.elements.first + known.elements.count;
         ++e) {
        const CElement& element = elements_[e];
        items.insert(items.end(), code + static_cast<std::ptrdiff_t>(from),
                     code + static_cast<std::ptrdiff_t>(element.index));
        EmitElement(*ladder.GetRow(first + element.row)->Cell(element.column), element.mode, out);
        from = element.index + element.count;
        if (items.size() - start != from) {
            items.resize(start);
            return false;
        }
    }
    items.insert(items.end(), code + static_cast<std::ptrdiff_t>(from),
                 code + static_cast<std::ptrdiff_t>(known.code.count));
    return true;
}

void CMemoCompiler::Remember(int first, const CLDCmdList* out, std::size_t start,
                             std::size_t errorsFrom, bool compiled) {
    CKnownShape& known = known_[shape_];
    known.compiled = compiled;
    known.errors.first = errorRows_.size();
    for (std::size_t e = errorsFrom; e < errors_.GetCount(); ++e) {
        errorRows_.emplace_back(errors_[e].row - first, errors_[e].kind);
    }
    known.errors.count = errorRows_.size() - known.errors.first;
    if (out == nullptr) {
        return;
    }
    known.withCode = true;
    known.code = {code_.size(), out->GetCount() - start};
    code_.insert(code_.end(), out->begin() + static_cast<std::ptrdiff_t>(start), out->end());
    known.elements.first = elements_.size();
    for (const CEmittedNode& node : compiler_.Trace()) {
        // A head's operand records follow it.
        std::size_t end = node.index + 1;
        while (end < out->GetCount() && (*out)[end].kind == LDCMD_OPERAND) {
            ++end;
        }
        elements_.push_back(
            {node.index - start, end - node.index, node.row - first, node.column, node.mode});
    }
    known.elements.count = elements_.size() - known.elements.first;
}

}  // namespace varno
