#pragma once

#include <QtGlobal>

#include <array>

// The Data Encryption Standard on one 64-bit block; bit 1 is the most significant bit of the
// first byte. The parity bits of the key are ignored.
class DesBlockCipher
{
public:
    explicit DesBlockCipher(quint64 key);

    quint64 encrypt(quint64 block) const;
    quint64 decrypt(quint64 block) const;

private:
    quint64 crypt(quint64 block, bool decrypting) const;

    std::array<quint64, 16> m_roundKeys{};   // 48 bits each
};
