#pragma once
// The report mode's dialogs: the main dialog that says the program met an
// error, takes the user's description and offers to send; and the detail
// dialog that lists the report files and shows each one's content.

#include "vordix/windows/3rdparty/ReportAttachments.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QTableWidgetItem;

namespace Ui {
class CrashDialog;
class CrashReport;
} // namespace Ui

class CrashReportMainDialog : public QDialog {
    Q_OBJECT
public:
    CrashReportMainDialog(const ReportAttachments& attachments, const QString& programPath, QWidget* parent = nullptr);
    ~CrashReportMainDialog() override;

    // The user's description as UTF-8 text.
    std::string getDescription() const;
    Ui::CrashDialog& ui() { return *ui_; }

public slots:
    void onSend();
    void onCancel();
    void onShowDetails(const QString& link);

private:
    Ui::CrashDialog* ui_;
    const ReportAttachments& attachments_;
    QString programPath_;
};

class CrashDetailDialog : public QDialog {
    Q_OBJECT
public:
    explicit CrashDetailDialog(const ReportAttachments& attachments, QWidget* parent = nullptr);
    ~CrashDetailDialog() override;

    Ui::CrashReport& ui() { return *ui_; }

    // Opens a file in the desktop's program for it (replaceable in tests).
    using FileOpener = std::function<bool(const QString& path)>;
    static FileOpener setFileOpener(FileOpener opener);

public slots:
    void onCurrentCellChanged(int row, int column, int previousRow, int previousColumn);
    void onCellDblClicked(int row, int column);

private:
    void showRow(int row);

    Ui::CrashReport* ui_;
    std::vector<std::pair<std::wstring, ReportAttachment>> rows_;
};
