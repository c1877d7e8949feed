#ifndef VARNEL_MAIN_WINDOW_AUX_WINDOW_H
#define VARNEL_MAIN_WINDOW_AUX_WINDOW_H

#include <QPointer>
#include <QWidget>
#include <functional>

// Holds one auxiliary window that exists at most once. Any use creates it, hidden,
// when it does not exist; hiding keeps it with its state; closing it from its title
// bar discards it, so the next use creates it afresh from its design settings.
class AuxWindow {
public:
    explicit AuxWindow(std::function<QWidget*()> create) : m_create(std::move(create)) {}
    ~AuxWindow() { delete m_window.data(); }
    AuxWindow(const AuxWindow&) = delete;
    AuxWindow& operator=(const AuxWindow&) = delete;

    // The window, created hidden if it does not exist.
    QWidget* get() {
        if (!m_window) {
            m_window = m_create();
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        return m_window;
    }
    // The window if it exists, else null; never creates it.
    QWidget* existing() const { return m_window; }
    // Discards the window at once (program end).
    void discard() { delete m_window.data(); }

private:
    std::function<QWidget*()> m_create;
    QPointer<QWidget> m_window;
};

#endif
