#pragma once

#include <QString>

// An exclusive lock held by this process on a companion file ("<arquivo>.lock")
// for as long as the object lives. Programs of the suite that change the same
// file take it first, so their changes never overwrite one another. The lock
// file itself is left in place: removing it would let two writers lock two
// different files.
class TravaArquivo
{
public:
    // Waits until the lock is granted. travada() tells whether it was: the
    // lock file may not be creatable (read-only folder).
    explicit TravaArquivo(const QString& arquivo);
    ~TravaArquivo();

    TravaArquivo(const TravaArquivo&) = delete;
    TravaArquivo& operator=(const TravaArquivo&) = delete;

    bool travada() const noexcept { return m_fd >= 0; }

private:
    int m_fd = -1;
};
