#pragma once

#include <QString>

// Passwords are stored as salted PBKDF2 hashes ("pbkdf2-sha256$<rounds>$<salt>$<key>", base64).
// ASCII letters compare without regard to case, as logins always have.
namespace PasswordHash {

QString make(const QString &password);

// True when the stored value is a hash (and not an old clear-text password).
bool isHash(const QString &stored);

// Compares a typed password with a stored hash or a stored clear-text password.
bool matches(const QString &typed, const QString &stored);

}
