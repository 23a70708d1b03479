#pragma once

#include <QPointer>
#include <QWidget>

namespace quindaro2 {

// A dialog made the first time it is asked for, not at the window's start,
// and kept for the rest of the run so that it remembers its last state. The
// parent owns it as its child; whichever of the two goes first, the dialog is
// deleted once.
template <typename Dialog>
class LazyDialog {
public:
    explicit LazyDialog(QWidget* parent) : parent_(parent) {}
    ~LazyDialog() { delete dialog_.data(); }
    LazyDialog(const LazyDialog&) = delete;
    LazyDialog& operator=(const LazyDialog&) = delete;

    Dialog& operator*()
    {
        if (!dialog_)
            dialog_ = new Dialog(parent_);
        return *dialog_;
    }
    Dialog* operator->() { return &**this; }
    bool made() const { return !dialog_.isNull(); }

private:
    QWidget* parent_;
    QPointer<Dialog> dialog_;
};

} // namespace quindaro2
