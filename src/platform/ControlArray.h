// Indexed groups of like controls.
#pragma once

#include "platform/Control.h"

#include <deque>
#include <functional>

namespace ui {

// An indexed group of like controls; its events carry the element's index.
template <class T> class ControlArray {
  public:
    ControlArray(Container& parent, int count) {
        for (int i = 0; i < count; ++i) {
            items_.emplace_back(parent);
        }
    }
    T& operator[](int i) { return items_.at(static_cast<std::size_t>(i)); }
    const T& operator[](int i) const { return items_.at(static_cast<std::size_t>(i)); }
    int Count() const { return static_cast<int>(items_.size()); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

    void OnClick(const std::function<void(int)>& f) {
        for (int i = 0; i < Count(); ++i) {
            (*this)[i].Click = [f, i] { f(i); };
        }
    }
    void OnMouseMove(const std::function<void(int, int, int, float, float)>& f) {
        Each(&Control::MouseMove, f);
    }
    void OnMouseDown(const std::function<void(int, int, int, float, float)>& f) {
        Each(&Control::MouseDown, f);
    }

  private:
    void Each(MouseHandler Control::*member,
              const std::function<void(int, int, int, float, float)>& f) {
        for (int i = 0; i < Count(); ++i) {
            (*this)[i].*member = [f, i](int b, int s, float x, float y) { f(i, b, s, x, y); };
        }
    }
    std::deque<T> items_;
};

} // namespace ui
