#pragma once

#include "session/secondtimer.h"

// The clock's timer, fired by hand.
class ManualTimer final : public SecondTimer {
public:
    void setEnabled(bool on) override { m_enabled = on; }
    bool isEnabled() const override { return m_enabled; }

    // A timer event; a disabled timer raises none.
    void fire() {
        if (m_enabled)
            emit timeout();
    }

private:
    bool m_enabled = false;
};
