#pragma once

// The wait cursor of a window that can show one, for as long as the guard
// lives; a null window shows nothing.
template <class Window>
class ScopedWaitCursor {
public:
    explicit ScopedWaitCursor(Window* window) : window_(window) {
        if (window_ != nullptr) window_->ShowWaitCursor(true);
    }
    ~ScopedWaitCursor() {
        if (window_ != nullptr) window_->ShowWaitCursor(false);
    }
    ScopedWaitCursor(const ScopedWaitCursor&) = delete;
    ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;

private:
    Window* window_;
};
