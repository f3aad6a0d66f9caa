#pragma once

#include <QByteArray>
#include <QByteArrayView>

struct evp_md_ctx_st;

// SHA-256 by the system's crypto library, which uses the processor's SHA
// instructions where it has them: several times the speed of a portable
// implementation, so hashing keeps up with reading a file from the disk.
class Sha256
{
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256 &) = delete;
    Sha256 &operator=(const Sha256 &) = delete;

    void add(QByteArrayView bytes);
    // The 32-byte digest of all that was added; adds nothing afterwards.
    QByteArray result();

    static QByteArray of(QByteArrayView bytes);

private:
    evp_md_ctx_st *m_context;
};
