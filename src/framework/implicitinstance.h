#pragma once

#include <QPointer>

namespace framework {

// The one window of a class, reached through its class: the open window, or a new one made on
// first use. A window that was closed and deleted is made anew the next time it is asked for.
template <typename Window> class ImplicitInstance {
  public:
    // The open window, or the one make() returns now.
    template <typename Make> Window& get(Make make) {
        if (window_.isNull()) {
            window_ = make();
        }
        return *window_;
    }

    // The open window, or nullptr.
    Window* open() const { return window_.data(); }

    // The window counts as closed from now on, even before it is deleted.
    void forget() { window_.clear(); }

  private:
    QPointer<Window> window_;
};

} // namespace framework
