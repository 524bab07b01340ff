#pragma once

// Makes the process check file permissions as an ordinary user (nobody)
// while it lives, even when the tests run as root, so a folder or file
// without write permission really refuses writes.
class TUnprivilegedFiles {
public:
    TUnprivilegedFiles();
    ~TUnprivilegedFiles();
    TUnprivilegedFiles(const TUnprivilegedFiles &) = delete;
    TUnprivilegedFiles &operator=(const TUnprivilegedFiles &) = delete;

private:
    int FOldUser;
    int FOldGroup;
};
