#pragma once

#include "toolkit/Control.h"

#include <deque>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace tk {

// Controls of one name addressed by a 16-bit index; indexes need not be contiguous.
// Elements sit in place in a deque by index: no allocation of their own, and an element keeps
// its address while others come and go.
template <class T> class ControlArray {
public:
    explicit ControlArray(std::string name) : name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const std::string& name() const { return name_; }

    // Layout-time element; its index is set from the argument.
    template <class... Args> T& add(Integer index, Args&&... args) {
        T& element = slot(index).emplace(name_.c_str(), std::forward<Args>(args)...);
        element.setIndex(index);
        return element;
    }

    // Throws std::out_of_range for an index that holds no element.
    T& operator()(Integer index) { return *items_[checked(index)]; }
    const T& operator()(Integer index) const { return *items_[checked(index)]; }
    bool exists(Integer index) const {
        return index >= 0 && static_cast<std::size_t>(index) < items_.size() &&
               items_[static_cast<std::size_t>(index)];
    }

    Integer Count() const { return count_; }
    // The most elements a 16-bit count can hold.
    static constexpr Integer MaxCount = std::numeric_limits<Integer>::max();

    // Creates element `index` as a hidden copy of element 0. Throws when the index is taken,
    // negative, or the array is full.
    T& Load(Integer index) {
        if (index < 0 || exists(index))
            throw std::invalid_argument(name_ + ": cannot create element " + std::to_string(index));
        if (count_ == MaxCount)
            throw std::length_error(name_ + ": array is full");
        std::optional<T>& target = slot(index);
        T& element = target.emplace(operator()(0));
        element.setIndex(index);
        element.quietHide();
        return element;
    }

    // Destroys element `index`; element 0 stays for the array's whole life.
    void Unload(Integer index) {
        if (index == 0)
            throw std::invalid_argument(name_ + ": element 0 cannot be destroyed");
        if (!exists(index))
            throw std::out_of_range(name_ + ": no element " + std::to_string(index));
        auto& element = items_[static_cast<std::size_t>(index)];
        if (ControlObserver* observer = element->observer())
            observer->changed(*element, Prop::Destroyed);
        element.reset();
        --count_;
        while (!items_.empty() && !items_.back())
            items_.pop_back();
    }

    // Visits (index, element) in ascending index order, skipping the holes.
    template <class Storage, class Element> class basic_iterator {
    public:
        using value_type = std::pair<Integer, Element*>;
        using difference_type = std::ptrdiff_t;
        basic_iterator(Storage* items, std::size_t at) : items_(items), at_(at) { skip(); }
        value_type operator*() const { return {static_cast<Integer>(at_), &*(*items_)[at_]}; }
        basic_iterator& operator++() {
            ++at_;
            skip();
            return *this;
        }
        bool operator==(const basic_iterator& other) const { return at_ == other.at_; }

    private:
        void skip() {
            while (at_ < items_->size() && !(*items_)[at_])
                ++at_;
        }
        Storage* items_;
        std::size_t at_;
    };
    using Items = std::deque<std::optional<T>>;
    using iterator = basic_iterator<Items, T>;
    using const_iterator = basic_iterator<const Items, const T>;
    iterator begin() { return {&items_, 0}; }
    iterator end() { return {&items_, items_.size()}; }
    const_iterator begin() const { return {&items_, 0}; }
    const_iterator end() const { return {&items_, items_.size()}; }

private:
    std::size_t checked(Integer index) const {
        if (!exists(index))
            throw std::out_of_range(name_ + ": no element " + std::to_string(index));
        return static_cast<std::size_t>(index);
    }

    // The empty place for a new element at `index`; growing the deque moves no element.
    std::optional<T>& slot(Integer index) {
        auto at = static_cast<std::size_t>(index);
        while (items_.size() <= at)
            items_.emplace_back();
        if (!items_[at])
            ++count_;
        items_[at].reset();
        return items_[at];
    }

    std::string name_;
    Items items_;
    Integer count_ = 0;
};

} // namespace tk
