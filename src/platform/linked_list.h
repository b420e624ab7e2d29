// CLinkedList: the ordered list that ladder rows and profile sections and keys live in. It
// owns its elements and reaches any of them by index in constant time (a contiguous array of
// owning pointers underneath), so that walks by index over a long program stay linear.
// Inserting or removing moves only pointers. Version() changes with every link and unlink, so
// a derived list can keep caches over its elements and tell when they have gone stale.
#pragma once

#include <algorithm>
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
    CLinkedList(CLinkedList&& other) noexcept : items_(std::move(other.items_)) { other.Touch(); }
    CLinkedList& operator=(CLinkedList&& other) noexcept {
        items_ = std::move(other.items_);
        Touch();
        other.Touch();
        return *this;
    }

    std::size_t GetCount() const { return items_.size(); }
    bool IsEmpty() const { return items_.empty(); }
    // A number that differs after any element was linked or unlinked.
    std::uint64_t Version() const { return version_; }

    // The element at an index, or null outside 0..GetCount()-1.
    T* GetAt(std::size_t index) const {
        return index < items_.size() ? items_[index].get() : nullptr;
    }
    // Index of an element held by the list, or GetCount() when it is not there.
    std::size_t IndexOf(const T* item) const {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (items_[i].get() == item) {
                return i;
            }
        }
        return items_.size();
    }

    T& AddTail(std::unique_ptr<T> item) {
        Touch();
        items_.push_back(std::move(item));
        return *items_.back();
    }
    // Links the element so that it gets index min(index, GetCount()).
    T& InsertAt(std::size_t index, std::unique_ptr<T> item) {
        if (index > items_.size()) {
            index = items_.size();
        }
        Touch();
        return **items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index),
                               std::move(item));
    }
    // Unlinks an element and hands it over; null for a missing index.
    std::unique_ptr<T> TakeAt(std::size_t index) {
        if (index >= items_.size()) {
            return nullptr;
        }
        Touch();
        std::unique_ptr<T> item = std::move(items_[index]);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
        return item;
    }
    // Unlinks and deletes; false for a missing index.
    bool RemoveAt(std::size_t index) { return TakeAt(index) != nullptr; }
    // Links the elements, in their order, so that the first gets index min(index, GetCount()),
    // moving the elements after it only once.
    void InsertRange(std::size_t index, std::vector<std::unique_ptr<T>> items) {
        if (index > items_.size()) {
            index = items_.size();
        }
        Touch();
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index),
                      std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    }
    // Unlinks and deletes up to count elements from the index on; returns how many went.
    std::size_t RemoveRange(std::size_t index, std::size_t count) {
        if (index >= items_.size()) {
            return 0;
        }
        count = std::min(count, items_.size() - index);
        Touch();
        auto first = items_.begin() + static_cast<std::ptrdiff_t>(index);
        items_.erase(first, first + static_cast<std::ptrdiff_t>(count));
        return count;
    }
    void RemoveAll() {
        Touch();
        items_.clear();
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
        explicit Iterator(typename std::vector<std::unique_ptr<T>>::const_iterator it) : it_(it) {}
        T& operator*() const { return **it_; }
        T* operator->() const { return it_->get(); }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator copy = *this;
            ++it_;
            return copy;
        }
        bool operator==(const Iterator&) const = default;

    private:
        typename std::vector<std::unique_ptr<T>>::const_iterator it_;
    };
    Iterator begin() const { return Iterator(items_.begin()); }
    Iterator end() const { return Iterator(items_.end()); }

private:
    void Touch() { ++version_; }

    std::vector<std::unique_ptr<T>> items_;
    std::uint64_t version_ = 0;
};

}  // namespace varno
