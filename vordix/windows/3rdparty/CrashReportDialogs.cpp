#include "vordix/windows/3rdparty/CrashReportDialogs.h"

#include "vordix/windows/3rdparty/CrashTexts.h"
#include "vordix/windows/3rdparty/ReportFileView.h"

#include "ui_CrashDetails.h"
#include "ui_CrashDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMimeDatabase>
#include <QUrl>

namespace {

CrashDetailDialog::FileOpener& fileOpener()
{
    static CrashDetailDialog::FileOpener opener;
    return opener;
}

QIcon programIcon(const QString& programPath)
{
    const QIcon own = QApplication::windowIcon();
    if (!own.isNull())
        return own;
    return QFileIconProvider().icon(QFileInfo(programPath));
}

} // namespace

CrashReportMainDialog::CrashReportMainDialog(const ReportAttachments& attachments, const QString& programPath,
                                             QWidget* parent)
    : QDialog(parent)
    , ui_(new Ui::CrashDialog)
    , attachments_(attachments)
    , programPath_(programPath)
{
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui_->label_1->setText(crash::tr(
        "Wir haben einen Fehler-Report erstellt, den Sie uns zusenden können. Wir werden diesen Report vertraulich "
        "und anonym behandeln."));
    ui_->label_2->setText(crash::tr(
        "Damit wir die Ursache des Fehlers verstehen und die Software verbessern können, beschreiben Sie bitte "
        "zusätzlich was Sie taten, bevor der Fehler aufgetreten ist (optional)."));
    ui_->labelShowDetails->setText(
        crash::tr("Sie können den Inhalt des Reports <a href=\"app://details\">hier begutachten</a>."));
    ui_->buttonSenden->setText(crash::tr("&Senden"));
    ui_->buttonNichtSenden->setText(crash::tr("Nicht senden"));
    ui_->labelAppName->setText(
        QFileInfo(programPath).completeBaseName()
        + crash::tr(" hat einen Fehler festgestellt und muss beendet werden. Bitte entschuldigen Sie diese Störung."));
    const QIcon icon = programIcon(programPath);
    ui_->labelAppIcon->setPixmap(icon.pixmap(48, 48));
    setWindowIcon(QIcon(icon.pixmap(32, 32)));
    connect(ui_->buttonSenden, &QPushButton::clicked, this, &CrashReportMainDialog::onSend);
    connect(ui_->buttonNichtSenden, &QPushButton::clicked, this, &CrashReportMainDialog::onCancel);
    connect(ui_->labelShowDetails, &QLabel::linkActivated, this, &CrashReportMainDialog::onShowDetails);
    activateWindow();
    ui_->editDescription->setFocus();
    raise();
}

CrashReportMainDialog::~CrashReportMainDialog() { delete ui_; }

std::string CrashReportMainDialog::getDescription() const
{
    return ui_->editDescription->toPlainText().toUtf8().toStdString();
}

void CrashReportMainDialog::onSend() { accept(); }

void CrashReportMainDialog::onCancel() { reject(); }

void CrashReportMainDialog::onShowDetails(const QString&)
{
    CrashDetailDialog details(attachments_, this);
    details.exec();
}

CrashDetailDialog::CrashDetailDialog(const ReportAttachments& attachments, QWidget* parent)
    : QDialog(parent)
    , ui_(new Ui::CrashReport)
{
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(crash::tr("Absturz Report"));
    ui_->tableFiles->setHorizontalHeaderLabels(
        {crash::tr("Dateiname"), crash::tr("Beschreibung"), crash::tr("Typ"), crash::tr("Größe")});
    ui_->label_1->setText(crash::tr("Name:"));
    ui_->label_2->setText(crash::tr("Beschreibung:"));

    const QFileIconProvider icons;
    const QMimeDatabase types;
    for (const auto& entry : attachments.attachments)
        rows_.push_back(entry);
    ui_->tableFiles->setRowCount(static_cast<int>(rows_.size()));
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        const QString path = QString::fromStdWString(rows_[row].first);
        const QFileInfo info(path);
        auto* name = new QTableWidgetItem(icons.icon(info), info.fileName());
        ui_->tableFiles->setItem(row, 0, name);
        ui_->tableFiles->setItem(row, 1, new QTableWidgetItem(QString::fromStdWString(rows_[row].second.label)));
        // Minidumps share their extension with packet captures; their first
        // bytes tell them apart.
        const bool minidump = crash::fileStart(path).startsWith("MDMP");
        ui_->tableFiles->setItem(
            row, 2,
            new QTableWidgetItem(minidump ? QStringLiteral("Minidump") : types.mimeTypeForFile(info).comment()));
        auto* size = new QTableWidgetItem(crash::sizeText(path));
        size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ui_->tableFiles->setItem(row, 3, size);
    }
    ui_->tableFiles->resizeColumnsToContents();
    connect(ui_->tableFiles, &QTableWidget::currentCellChanged, this, &CrashDetailDialog::onCurrentCellChanged);
    connect(ui_->tableFiles, &QTableWidget::cellDoubleClicked, this, &CrashDetailDialog::onCellDblClicked);
    if (!rows_.empty())
        showRow(0);
}

CrashDetailDialog::~CrashDetailDialog() { delete ui_; }

CrashDetailDialog::FileOpener CrashDetailDialog::setFileOpener(FileOpener opener)
{
    std::swap(fileOpener(), opener);
    return opener;
}

void CrashDetailDialog::onCurrentCellChanged(int row, int, int, int) { showRow(row); }

void CrashDetailDialog::onCellDblClicked(int row, int)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    const QString path = QString::fromStdWString(rows_[row].first);
    if (fileOpener())
        fileOpener()(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CrashDetailDialog::showRow(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    if (ui_->tableFiles->currentRow() != row)
        ui_->tableFiles->selectRow(row);
    const QString path = QString::fromStdWString(rows_[row].first);
    ui_->labelName->setText(path);
    ui_->labelDescription->setText(QString::fromStdWString(rows_[row].second.label));
    const QByteArray data = crash::fileStart(path);
    if (data.size() > 100 && crash::looksBinary(data)) {
        QFont font(QStringLiteral("Courier"), 9);
        font.setStyleHint(QFont::TypeWriter);
        ui_->fileContent->setFont(font);
        ui_->fileContent->setPlainText(crash::hexDump(data));
    } else {
        ui_->fileContent->setFont(QFont(QStringLiteral("Helvetica"), 10));
        ui_->fileContent->setPlainText(QString::fromUtf8(data));
    }
}
