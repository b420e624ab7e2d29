// CCommentList: the project's element comments, one CCommentGrp per address letter, in the
// default order A C D F G K P R T X Y. Letters without a group (L, W, ...) hold no comments.
//
// Comment file (.cmt): GBK text, one item per line, lines ended by CR LF, no header:
//   address text (X0000.1, D0010), TAB, symbol, TAB, comment 1, TAB, comment 2
// Items whose symbol and comment 1 are both empty are not written.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comments/comment_group.h"
#include "comments/comment_watch.h"

namespace varno {

class CCommentList {
public:
    // The eleven default groups, empty.
    CCommentList();

    // Empties the list and recreates the default groups.
    void Reset();

    const std::vector<std::unique_ptr<CCommentGrp>>& Groups() const { return groups_; }
    // The group whose name equals the text byte for byte, or null.
    CCommentGrp* FindGroup(std::string_view name) const;
    const CCommentItem* FindItem(const LDADDR& addr) const;

    // Adds a copy to its letter's group, replacing an item of the same address. False (and
    // nothing stored) when the letter has no group. Does not mark the list modified.
    bool AddOrReplace(const CCommentItem& item);
    // The changes of the editors; each marks the list modified when it changed something.
    bool Delete(const LDADDR& addr);
    bool ReplaceAt(CCommentGrp& group, std::size_t index, const CCommentItem& item);
    bool SetComment(const LDADDR& addr, std::string_view symbol, std::string_view comment1,
                    std::string_view comment2);

    // Empty texts when the address has no item.
    std::string SymbolOf(const LDADDR& addr) const;
    // Comment 1 when which is 0, comment 2 otherwise.
    std::string CommentOf(const LDADDR& addr, int which) const;
    // The address text of the first item (groups and items in order) whose symbol is the text
    // byte for byte; nullopt for an empty text or no match.
    std::optional<std::string> AddressOfSymbol(std::string_view symbol) const;
    std::size_t TotalCount() const;

    // Adds the items of a comment file to the list (callers reset it first). False when the
    // file cannot be read.
    bool LoadCommentFile(const std::string& path);
    // Writes the comment file, replacing the old one only once the new one is complete. False
    // when it cannot be written (the reason goes to error).
    bool SaveCommentFile(const std::string& path, std::string* error = nullptr) const;

    // The file's text and its parsing, without the disk.
    std::string FormatCommentFile() const;
    void ParseCommentFile(std::string_view bytes);

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The listener is called after each change through Delete, ReplaceAt, SetComment, Reset
    // and the loading of a comment file, until the subscription is destroyed.
    CCommentSubscription Subscribe(std::function<void()> listener) {
        return watchers_->Subscribe(std::move(listener));
    }
    // Changes made while a batch lives tell the listeners once, when the outermost ends.
    class CChangeBatch {
    public:
        explicit CChangeBatch(CCommentList& list) : watchers_(list.watchers_) {
            watchers_->BeginBatch();
        }
        ~CChangeBatch() { watchers_->EndBatch(); }
        CChangeBatch(const CChangeBatch&) = delete;
        CChangeBatch& operator=(const CChangeBatch&) = delete;

    private:
        std::shared_ptr<CCommentWatchers> watchers_;
    };

private:
    void MarkChanged();

    std::shared_ptr<CCommentWatchers> watchers_ = std::make_shared<CCommentWatchers>();
    std::vector<std::unique_ptr<CCommentGrp>> groups_;
    bool modified_ = false;
};

}  // namespace varno
