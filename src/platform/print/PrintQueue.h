#pragma once

#include "platform/print/CertificateQueue.h"

#include <QString>

#include <optional>

namespace numberlark {

// One queue of the CUPS server the desktop prints to (the user's client
// settings or CUPS_SERVER choose the server). QPrinter hands its job to CUPS
// and never says whether CUPS took it, so the certificate goes to the queue
// from here, where a refusal or a failed job can be told to the user.
class PrintQueue : public CertificateQueue {
public:
    // The queue's name as QPrinterInfo gives it ("Office", or "Office/draft"
    // for one of its instances).
    explicit PrintQueue(const QString& name);

    // Why the queue would not print a job now: it is stopped, it does not
    // accept jobs, or the server does not answer. Empty when it is ready.
    std::optional<QString> refusal() const override;

    // Sends the PDF file as one job and follows it until it is printed, or
    // for a few seconds while the queue keeps working on it (a real printer
    // takes its time). The reason when the queue refused the job or the job
    // failed; such a job is cancelled, so it cannot print later by surprise.
    std::optional<QString> print(const QString& pdfPath, const QString& title) const override;

private:
    std::optional<QString> follow(int job) const;
    QString failure(const char* plain, const char* withReason, const QString& why) const;

    QString m_name;
    QByteArray m_queue;
};

} // namespace numberlark
