#pragma once

class QWidget;

// Puts a window into the band of windows that stay above all others, or back among the normal
// ones. The window keeps its place and size, is shown, and does not take the focus.
class WindowPlacement {
public:
    virtual ~WindowPlacement() = default;
    virtual void SetTopMost(QWidget* window, bool onTop) = 0;
};

// On a native Wayland window, where no client can keep a window on top, it shows the window and
// asks the compositor to activate it instead.
class SystemWindowPlacement final : public WindowPlacement {
public:
    void SetTopMost(QWidget* window, bool onTop) override;
};
