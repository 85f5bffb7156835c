#include "shell/credential.h"

#include <QCryptographicHash>

namespace shell {

namespace {
constexpr char salt[] = "5559d1690b462a86f686181ab637c0b3";
constexpr char digest[] = "21a0c43a85c69a60d364b64c6c34906b0c66fd26a70a84426a464a90c2bfac1a";
} // namespace

bool isCredential(const QString& text)
{
    const QByteArray hash = QCryptographicHash::hash(QByteArray(salt) + text.toUtf8(),
                                                     QCryptographicHash::Sha256);
    return hash.toHex() == QByteArray(digest);
}

} // namespace shell
