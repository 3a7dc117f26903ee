#pragma once

#include "toolkit/Control.h"

#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace tk {

// Controls of one name addressed by a 16-bit index; indexes need not be contiguous.
template <class T> class ControlArray {
public:
    explicit ControlArray(std::string name) : name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const std::string& name() const { return name_; }

    // Layout-time element; its index is set from the argument.
    template <class... Args> T& add(Integer index, Args&&... args) {
        auto element = std::make_unique<T>(name_, std::forward<Args>(args)...);
        element->setIndex(index);
        T& ref = *element;
        items_[index] = std::move(element);
        return ref;
    }

    // Throws std::out_of_range for an index that holds no element.
    T& operator()(Integer index) const {
        auto it = items_.find(index);
        if (it == items_.end())
            throw std::out_of_range(name_ + ": no element " + std::to_string(index));
        return *it->second;
    }
    bool exists(Integer index) const { return items_.count(index) != 0; }

    Integer Count() const { return static_cast<Integer>(items_.size()); }
    // The most elements a 16-bit count can hold.
    static constexpr Integer MaxCount = std::numeric_limits<Integer>::max();

    // Creates element `index` as a hidden copy of element 0. Throws when the index is taken,
    // negative, or the array is full.
    T& Load(Integer index) {
        if (index < 0 || exists(index))
            throw std::invalid_argument(name_ + ": cannot create element " + std::to_string(index));
        if (Count() == MaxCount)
            throw std::length_error(name_ + ": array is full");
        auto element = std::make_unique<T>(operator()(0));
        element->setIndex(index);
        element->quietHide();
        T& ref = *element;
        items_[index] = std::move(element);
        return ref;
    }

    // Destroys element `index`; element 0 stays for the array's whole life.
    void Unload(Integer index) {
        if (index == 0)
            throw std::invalid_argument(name_ + ": element 0 cannot be destroyed");
        auto it = items_.find(index);
        if (it == items_.end())
            throw std::out_of_range(name_ + ": no element " + std::to_string(index));
        if (ControlObserver* observer = it->second->observer())
            observer->changed(*it->second, Prop::Destroyed);
        items_.erase(it);
    }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::string name_;
    std::map<Integer, std::unique_ptr<T>> items_;
};

} // namespace tk
