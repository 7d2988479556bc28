#include "platform/print/PrintQueue.h"

#include <QCoreApplication>

#include <cups/cups.h>

#include <chrono>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <thread>

namespace numberlark {

namespace {

constexpr auto kFollowInterval = std::chrono::milliseconds(100);
constexpr auto kFollowLimit = std::chrono::seconds(5);

struct IppDelete {
    void operator()(ipp_t* message) const { ippDelete(message); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDelete>;

// The request is consumed; the answer is empty when the server could not
// be asked or refused, with the reason in cupsLastErrorString().
IppMessage ask(ipp_t* request)
{
    IppMessage answer(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        answer.reset();
    }
    return answer;
}

ipp_t* newRequest(ipp_op_t operation, const char* uriName, const QByteArray& uri,
                  const std::initializer_list<const char*>& attributes)
{
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(attributes.size()), nullptr, std::data(attributes));
    return request;
}

QByteArray uriOf(const char* resource, const QByteArray& name)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/%s/%s", resource, name.constData());
    return uri;
}

int integerOf(ipp_t* answer, const char* name, int fallback)
{
    ipp_attribute_t* attribute = ippFindAttribute(answer, name, IPP_TAG_ZERO);
    return attribute != nullptr ? ippGetInteger(attribute, 0) : fallback;
}

bool flagOf(ipp_t* answer, const char* name, bool fallback)
{
    ipp_attribute_t* attribute = ippFindAttribute(answer, name, IPP_TAG_BOOLEAN);
    return attribute != nullptr ? ippGetBoolean(attribute, 0) != 0 : fallback;
}

QString textOf(ipp_t* answer, const char* name)
{
    ipp_attribute_t* attribute = ippFindAttribute(answer, name, IPP_TAG_ZERO);
    const char* text = attribute != nullptr ? ippGetString(attribute, 0, nullptr) : nullptr;
    return QString::fromUtf8(text).trimmed();
}

QString lastError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace

PrintQueue::PrintQueue(const QString& name)
    : m_name(name), m_queue(name.section(QLatin1Char('/'), 0, 0).toUtf8())
{
}

// Whole sentences, with and without the printer's own reason, so that
// translators can order the words as their language needs.
QString PrintQueue::failure(const char* plain, const char* withReason, const QString& why) const
{
    if (why.isEmpty()) {
        return QCoreApplication::translate("PrintQueue", plain).arg(m_name);
    }
    return QCoreApplication::translate("PrintQueue", withReason).arg(m_name, why);
}

std::optional<QString> PrintQueue::refusal() const
{
    IppMessage answer =
        ask(newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", uriOf("printers", m_queue),
                       {"printer-state", "printer-state-message", "printer-is-accepting-jobs"}));
    if (!answer) {
        return failure(QT_TRANSLATE_NOOP("PrintQueue", "The printer \"%1\" is not available."),
                       QT_TRANSLATE_NOOP("PrintQueue", "The printer \"%1\" is not available (%2)."),
                       lastError());
    }
    const QString message = textOf(answer.get(), "printer-state-message");
    if (integerOf(answer.get(), "printer-state", IPP_PSTATE_IDLE) == IPP_PSTATE_STOPPED) {
        return failure(QT_TRANSLATE_NOOP("PrintQueue", "The printer \"%1\" is stopped."),
                       QT_TRANSLATE_NOOP("PrintQueue", "The printer \"%1\" is stopped (%2)."),
                       message);
    }
    if (!flagOf(answer.get(), "printer-is-accepting-jobs", true)) {
        return failure(
            QT_TRANSLATE_NOOP("PrintQueue", "The printer \"%1\" is not accepting jobs."),
            QT_TRANSLATE_NOOP("PrintQueue", "The printer \"%1\" is not accepting jobs (%2)."),
            message);
    }
    return std::nullopt;
}

std::optional<QString> PrintQueue::print(const QString& pdfPath, const QString& title) const
{
    cups_option_t* options = nullptr;
    const int optionCount = cupsAddOption("document-format", "application/pdf", 0, &options);
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, m_queue.constData(), pdfPath.toLocal8Bit().constData(),
                       title.toUtf8().constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job == 0) {
        return failure(
            QT_TRANSLATE_NOOP("PrintQueue", "The printer \"%1\" did not take the certificate."),
            QT_TRANSLATE_NOOP("PrintQueue",
                              "The printer \"%1\" did not take the certificate (%2)."),
            lastError());
    }
    std::optional<QString> failed = follow(job);
    if (failed) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, m_queue.constData(), job, 0);
    }
    return failed;
}

// Follows the job until it ends, the queue stops or the time is up; a job
// still held then (waiting for a password, say) has not printed. A job
// that the server no longer knows (no job history kept) was printed and
// forgotten, like a completed one.
std::optional<QString> PrintQueue::follow(int job) const
{
    const QByteArray uri = uriOf("jobs", QByteArray::number(job));
    const auto deadline = std::chrono::steady_clock::now() + kFollowLimit;
    for (;;) {
        IppMessage answer = ask(newRequest(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", uri,
                                           {"job-state", "job-state-message"}));
        if (!answer) {
            if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) {
                return std::nullopt;
            }
            return failure(
                QT_TRANSLATE_NOOP("PrintQueue", "The printer \"%1\" is not available."),
                QT_TRANSLATE_NOOP("PrintQueue", "The printer \"%1\" is not available (%2)."),
                lastError());
        }
        const int state = integerOf(answer.get(), "job-state", IPP_JSTATE_PENDING);
        if (state == IPP_JSTATE_COMPLETED) {
            return std::nullopt;
        }
        if (state >= IPP_JSTATE_STOPPED) {
            return failure(
                QT_TRANSLATE_NOOP("PrintQueue",
                                  "The printer \"%1\" could not print the certificate."),
                QT_TRANSLATE_NOOP("PrintQueue",
                                  "The printer \"%1\" could not print the certificate (%2)."),
                textOf(answer.get(), "job-state-message"));
        }
        if (std::optional<QString> refused = refusal()) {
            return refused;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            if (state == IPP_JSTATE_HELD) {
                return failure(
                    QT_TRANSLATE_NOOP("PrintQueue",
                                      "The printer \"%1\" is holding the certificate."),
                    QT_TRANSLATE_NOOP("PrintQueue",
                                      "The printer \"%1\" is holding the certificate (%2)."),
                    textOf(answer.get(), "job-state-message"));
            }
            return std::nullopt;
        }
        std::this_thread::sleep_for(kFollowInterval);
    }
}

} // namespace numberlark
