// AuxWindow: holds one auxiliary window that exists at most once, created hidden when first used
// and discarded when closed.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_AUX_WINDOW_H
#define VARNEL_WIDGETS_AUX_WINDOW_H

#include <QPointer>
#include <QWidget>
#include <functional>

// Holds one auxiliary window of type Window that exists at most once. Any use creates
// it, hidden, when it does not exist; hiding keeps it with its state; closing it from
// its title bar discards it, so the next use creates it afresh from its design settings.
// Window need only be declared where the holder is declared; the functions that make
// or hand out the window are compiled where Window is defined.
template <typename Window> class AuxWindow {
public:
    explicit AuxWindow(std::function<Window*()> create) : m_create(std::move(create)) {}
    ~AuxWindow() { delete m_window.data(); }
    AuxWindow(const AuxWindow&) = delete;
    AuxWindow& operator=(const AuxWindow&) = delete;

    // The window, created hidden if it does not exist.
    Window* get() {
        if (!m_window) {
            Window* window = m_create();
            window->setAttribute(Qt::WA_DeleteOnClose);
            m_window = window;
        }
        return existing();
    }
    // The window if it exists, else null; never creates it.
    Window* existing() const { return static_cast<Window*>(m_window.data()); }
    // Discards the window at once (program end).
    void discard() { delete m_window.data(); }

private:
    std::function<Window*()> m_create;
    QPointer<QWidget> m_window;
};

#endif
