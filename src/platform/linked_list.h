// CLinkedList: the ordered list that ladder rows, programs and profile sections and keys live
// in. It owns its elements and reaches any of them by index in constant time, so that walks by
// index over a long program stay linear.
//
// Underneath, the owning pointers sit in rings of BLOCK slots; every ring but the last is full.
// Element i is slot i % BLOCK of ring i / BLOCK. Linking or unlinking one element shifts at
// most one ring and passes one pointer across each ring after it, so an edit in the middle of a
// 65,535-row program moves a few hundred pointers instead of all of them.
//
// Version() changes with every link and unlink, and a derived list hears of each one
// (OnLinked, OnUnlinking), so that it can keep caches over its elements up to date or tell
// when they have gone stale.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace varno {

template <class T>
class CLinkedList {
public:
    CLinkedList() = default;
    virtual ~CLinkedList() = default;
    CLinkedList(const CLinkedList&) = delete;
    CLinkedList& operator=(const CLinkedList&) = delete;
    CLinkedList(CLinkedList&& other) noexcept
        : rings_(std::move(other.rings_)), count_(std::exchange(other.count_, 0)) {
        other.Touch();
    }
    CLinkedList& operator=(CLinkedList&& other) noexcept {
        rings_ = std::move(other.rings_);
        count_ = std::exchange(other.count_, 0);
        Touch();
        other.Touch();
        return *this;
    }

    std::size_t GetCount() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }
    // A number that differs after any element was linked or unlinked.
    std::uint64_t Version() const { return version_; }

    // The element at an index, or null outside 0..GetCount()-1.
    T* GetAt(std::size_t index) const { return index < count_ ? Slot(index).get() : nullptr; }
    // Index of an element held by the list, or GetCount() when it is not there.
    std::size_t IndexOf(const T* item) const {
        for (std::size_t i = 0; i < count_; ++i) {
            if (Slot(i).get() == item) {
                return i;
            }
        }
        return count_;
    }

    T& AddTail(std::unique_ptr<T> item) { return InsertAt(count_, std::move(item)); }
    // Links the element so that it gets index min(index, GetCount()).
    T& InsertAt(std::size_t index, std::unique_ptr<T> item) {
        index = std::min(index, count_);
        Touch();
        T& linked = *item;
        LinkOne(index, std::move(item));
        OnLinked(index, 1);
        return linked;
    }
    // Unlinks an element and hands it over; null for a missing index.
    std::unique_ptr<T> TakeAt(std::size_t index) {
        if (index >= count_) {
            return nullptr;
        }
        OnUnlinking(index, 1);
        Touch();
        return UnlinkOne(index);
    }
    // Unlinks and deletes; false for a missing index.
    bool RemoveAt(std::size_t index) { return TakeAt(index) != nullptr; }
    // Links the elements, in their order, so that the first gets index min(index, GetCount()).
    void InsertRange(std::size_t index, std::vector<std::unique_ptr<T>> items) {
        index = std::min(index, count_);
        const std::size_t count = items.size();
        if (count == 0) {
            return;
        }
        Touch();
        if (OneByOneIsCheaper(count)) {
            for (std::size_t i = 0; i < count; ++i) {
                LinkOne(index + i, std::move(items[i]));
            }
        } else {
            std::vector<std::unique_ptr<T>> all = TakeAll();
            all.insert(all.begin() + static_cast<std::ptrdiff_t>(index),
                       std::make_move_iterator(items.begin()),
                       std::make_move_iterator(items.end()));
            Refill(std::move(all));
        }
        OnLinked(index, count);
    }
    // Unlinks and deletes up to count elements from the index on; returns how many went.
    std::size_t RemoveRange(std::size_t index, std::size_t count) {
        if (index >= count_) {
            return 0;
        }
        count = std::min(count, count_ - index);
        if (count == 0) {
            return 0;
        }
        OnUnlinking(index, count);
        Touch();
        if (OneByOneIsCheaper(count)) {
            for (std::size_t i = 0; i < count; ++i) {
                UnlinkOne(index);
            }
        } else {
            std::vector<std::unique_ptr<T>> all = TakeAll();
            auto first = all.begin() + static_cast<std::ptrdiff_t>(index);
            all.erase(first, first + static_cast<std::ptrdiff_t>(count));
            Refill(std::move(all));
        }
        return count;
    }
    void RemoveAll() {
        if (count_ > 0) {
            OnUnlinking(0, count_);
        }
        Touch();
        rings_.clear();
        count_ = 0;
    }

    // Iteration over the elements themselves, in order.
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = T*;
        using reference = T&;

        Iterator() = default;
        Iterator(const CLinkedList* list, std::size_t index) : list_(list), index_(index) {}
        T& operator*() const { return *list_->GetAt(index_); }
        T* operator->() const { return list_->GetAt(index_); }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator copy = *this;
            ++index_;
            return copy;
        }
        bool operator==(const Iterator&) const = default;

    private:
        const CLinkedList* list_ = nullptr;
        std::size_t index_ = 0;
    };
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, count_); }

protected:
    // Called once elements [index, index + count) have been linked.
    virtual void OnLinked(std::size_t /*index*/, std::size_t /*count*/) {}
    // Called while elements [index, index + count) are still linked, just before they go.
    virtual void OnUnlinking(std::size_t /*index*/, std::size_t /*count*/) {}

private:
    static constexpr std::size_t BLOCK_BITS = 8;
    static constexpr std::size_t BLOCK = std::size_t{1} << BLOCK_BITS;
    static constexpr std::size_t MASK = BLOCK - 1;

    // Up to BLOCK owning pointers in a ring: slot `head` holds the first.
    struct CRing {
        std::array<std::unique_ptr<T>, BLOCK> entries;
        std::size_t head = 0;
        std::size_t size = 0;

        std::unique_ptr<T>& At(std::size_t i) { return entries[(head + i) & MASK]; }
        const std::unique_ptr<T>& At(std::size_t i) const { return entries[(head + i) & MASK]; }
        void PushFront(std::unique_ptr<T> item) {
            head = (head - 1) & MASK;
            entries[head] = std::move(item);
            ++size;
        }
        void PushBack(std::unique_ptr<T> item) {
            At(size) = std::move(item);
            ++size;
        }
        std::unique_ptr<T> PopFront() {
            std::unique_ptr<T> item = std::move(entries[head]);
            head = (head + 1) & MASK;
            --size;
            return item;
        }
        std::unique_ptr<T> PopBack() {
            --size;
            return std::move(At(size));
        }
        // Room for one more is the caller's business.
        void Insert(std::size_t i, std::unique_ptr<T> item) {
            for (std::size_t k = size; k > i; --k) {
                At(k) = std::move(At(k - 1));
            }
            At(i) = std::move(item);
            ++size;
        }
        std::unique_ptr<T> Erase(std::size_t i) {
            std::unique_ptr<T> item = std::move(At(i));
            for (std::size_t k = i; k + 1 < size; ++k) {
                At(k) = std::move(At(k + 1));
            }
            --size;
            return item;
        }
    };

    void Touch() { ++version_; }

    std::unique_ptr<T>& Slot(std::size_t index) {
        return rings_[index >> BLOCK_BITS]->At(index & MASK);
    }
    const std::unique_ptr<T>& Slot(std::size_t index) const {
        return rings_[index >> BLOCK_BITS]->At(index & MASK);
    }

    void LinkOne(std::size_t index, std::unique_ptr<T> item) {
        if (rings_.empty() || rings_.back()->size == BLOCK) {
            rings_.push_back(std::make_unique<CRing>());
        }
        const std::size_t ring = index >> BLOCK_BITS;
        for (std::size_t k = rings_.size() - 1; k > ring; --k) {
            rings_[k]->PushFront(rings_[k - 1]->PopBack());
        }
        rings_[ring]->Insert(index & MASK, std::move(item));
        ++count_;
    }

    std::unique_ptr<T> UnlinkOne(std::size_t index) {
        const std::size_t ring = index >> BLOCK_BITS;
        std::unique_ptr<T> item = rings_[ring]->Erase(index & MASK);
        for (std::size_t k = ring + 1; k < rings_.size(); ++k) {
            rings_[k - 1]->PushBack(rings_[k]->PopFront());
        }
        if (rings_.back()->size == 0) {
            rings_.pop_back();
        }
        --count_;
        return item;
    }

    // Whether count single links or unlinks cost less than laying the whole list out again.
    bool OneByOneIsCheaper(std::size_t count) const {
        const std::size_t each = BLOCK + rings_.size() + 1;
        return count <= (count_ + count) / each + 1;
    }

    std::vector<std::unique_ptr<T>> TakeAll() {
        std::vector<std::unique_ptr<T>> all;
        all.reserve(count_);
        for (std::size_t i = 0; i < count_; ++i) {
            all.push_back(std::move(Slot(i)));
        }
        rings_.clear();
        count_ = 0;
        return all;
    }

    void Refill(std::vector<std::unique_ptr<T>> all) {
        for (std::unique_ptr<T>& item : all) {
            if (rings_.empty() || rings_.back()->size == BLOCK) {
                rings_.push_back(std::make_unique<CRing>());
            }
            rings_.back()->PushBack(std::move(item));
        }
        count_ = all.size();
    }

    std::vector<std::unique_ptr<CRing>> rings_;
    std::size_t count_ = 0;
    std::uint64_t version_ = 0;
};

}  // namespace varno
