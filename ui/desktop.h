#pragma once

#include <QUrl>

// The desktop services the program uses besides dialogs: the beep and opening a link with the
// desktop's own handler. Behind an interface so that tests hear and see them.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual void beep() = 0;
    virtual bool openUrl(const QUrl& url) = 0;
};

class SystemDesktop final : public Desktop {
public:
    void beep() override;
    bool openUrl(const QUrl& url) override;
};
