#include "progress/ResultsLineKey.h"

#include <QCryptographicHash>

namespace numberlark::progress {

QString resultsLineKey(QByteArrayView line)
{
    while (line.endsWith('\n') || line.endsWith('\r')) {
        line.chop(1);
    }
    // 22 characters of base64 carry 132 bits: no two lines of a family's
    // results file will ever share one.
    const QByteArray digest = QCryptographicHash::hash(line, QCryptographicHash::Sha256);
    return QString::fromLatin1(
        digest.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals).left(22));
}

} // namespace numberlark::progress
