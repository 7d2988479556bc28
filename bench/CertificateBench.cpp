// Times writing the certificate PDF: the whole page (forty practice
// questions, the jagged frame, the banner) through the painter canvas into
// a PDF file. Prints the median of N runs in milliseconds.
//
//   bench_certificate [runs] [keep.pdf]
//
// With a second argument the last PDF is kept there for a look.
#include "output/CertificatePage.h"
#include "output/PainterCanvas.h"
#include "output/PdfDocument.h"
#include "quiz/QuizSession.h"
#include "ui/common/Fonts.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using numberlark::CertificateValues;

bool writeCertificate(const QString& path, numberlark::QuizSession& session)
{
    const CertificateValues values{QStringLiteral("Ada Lovelace"),
                                   20,
                                   false,
                                   7,
                                   48,
                                   QStringLiteral("Saturday 14 June 2025 10:32:07")};
    numberlark::PdfDocument pdf(path, {QStringLiteral("Numberlark certificate"),
                                       QStringLiteral("not saved as %1: %2"),
                                       QStringLiteral("not written to %1: %2")});
    if (pdf.open().failed()) {
        return false;
    }
    numberlark::PainterCanvas canvas(pdf.device(), [&pdf] { return pdf.commit(); });
    if (canvas.begin().failed()) {
        return false;
    }
    bool ok = true;
    numberlark::CertificatePage page(values, [&session] { return session.practiceQuestion(); });
    page.draw(canvas, [&ok](const QString& failure) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        ok = false;
    });
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    numberlark::installFontSubstitutions();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QTemporaryDir dir;
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                  : dir.filePath(QStringLiteral("certificate.pdf"));

    numberlark::SessionRecord record;
    record.current_table = 7;
    numberlark::ClockSeededRandom random;
    numberlark::QuizSession session(record, random);
    session.tableChoice().select(5);

    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (!writeCertificate(path, session)) {
            std::fprintf(stderr, "bench_certificate: writing %s failed\n", qPrintable(path));
            return 1;
        }
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        millis.push_back(took.count());
    }
    std::nth_element(millis.begin(), millis.begin() + runs / 2, millis.end());
    std::printf("bench_certificate: median %.2f ms over %d runs (certificate PDF)\n",
                millis[static_cast<std::size_t>(runs / 2)], runs);
    return 0;
}
