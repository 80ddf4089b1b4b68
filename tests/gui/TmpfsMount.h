#pragma once
// A small tmpfs mounted for a test (the tests run as root in CI), unmounted lazily when the
// test ends if the test has not unmounted it itself.

#include <QString>

class TmpfsMount {
public:
    // Creates the mount point and mounts 4 MB of tmpfs on it.
    explicit TmpfsMount(const QString& mountPoint);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    // False when mounting was refused (no privileges, a sandbox); error() says why.
    bool isMounted() const { return mMounted; }
    QString error() const { return mError; }
    const QString& path() const { return mPath; }
    // "umount -l": the volume goes away even while something holds it open.
    bool unmount();

private:
    QString mPath;
    QString mError;
    bool mMounted = false;
};
