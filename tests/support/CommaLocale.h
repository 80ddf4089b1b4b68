#pragma once
// Switches the process's numeric locale to one whose decimal separator is a comma, as the
// application runs under for many users, and back to "C" when it goes. When no such locale
// is installed, one is made with localedef in a temporary folder (once per process).

class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // False when no comma locale could be set: the caller's check then proves nothing.
    bool active() const { return mActive; }

private:
    bool mActive = false;
};
