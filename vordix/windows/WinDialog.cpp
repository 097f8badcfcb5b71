#include "vordix/windows/WinDialog.h"

#include "vordix/File.h"
#include "vordix/Preference.h"
#include "vordix/ResourceStrings.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/ControlFactories.h"
#include "vordix/windows/ControlIds.h"
#include "vordix/windows/DialogPlacement.h"
#include "vordix/windows/EventHandoff.h"
#include "vordix/windows/FormRegistry.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/MessageQueue.h"
#include "vordix/windows/PixmapWidget.h"
#include "vordix/windows/WinApplication.h"
#include "vordix/windows/WinCommunication.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinPreference.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QUrl>

#include <map>
#include <mutex>

namespace pl = vordix::placement;

// ---------------------------------------------------------------------------
// Remembered positions

namespace {

struct PositionTable {
    std::mutex mutex;
    bool loaded = false;
    std::map<int, std::uint32_t> positions;
};

PositionTable& positionTable()
{
    static PositionTable table;
    return table;
}

void loadPositionsLocked(PositionTable& table)
{
    if (table.loaded)
        return;
    table.loaded = true;
    table.positions.clear();
    WIN_PREFERENCE store(DIALOG_POSITIONS_KEY);
    for (const std::wstring& name : store.valueNames()) {
        bool isNumber = false;
        const int formId = QString::fromStdWString(name).toInt(&isNumber);
        const auto value = store.readNumber(name);
        if (isNumber && value)
            table.positions[formId] = static_cast<std::uint32_t>(*value);
    }
}

} // namespace

CWindowPosition::CWindowPosition()
{
    PositionTable& table = positionTable();
    std::lock_guard lock(table.mutex);
    loadPositionsLocked(table);
}

CWindowPosition::~CWindowPosition() = default;

std::optional<std::uint32_t> CWindowPosition::rememberedPosition(int formId)
{
    PositionTable& table = positionTable();
    std::lock_guard lock(table.mutex);
    loadPositionsLocked(table);
    const auto it = table.positions.find(formId);
    if (it == table.positions.end())
        return std::nullopt;
    return it->second;
}

void CWindowPosition::rememberPosition(int formId, int x, int y)
{
    const std::uint32_t packed = pl::packPosition(x, y);
    PositionTable& table = positionTable();
    {
        std::lock_guard lock(table.mutex);
        loadPositionsLocked(table);
        const auto it = table.positions.find(formId);
        if (it != table.positions.end() && it->second == packed)
            return; // nothing new to write
        table.positions[formId] = packed;
    }
    // A store that cannot be written leaves the position unremembered, silently.
    WIN_PREFERENCE(DIALOG_POSITIONS_KEY).writeNumber(std::to_wstring(formId), packed);
}

void CWindowPosition::reloadPositions()
{
    PositionTable& table = positionTable();
    std::lock_guard lock(table.mutex);
    table.loaded = false;
    table.positions.clear();
}

// ---------------------------------------------------------------------------
// Construction

WIN_DIALOG::WIN_DIALOG(VORDIX_DIALOG* owner, int formId) : QDialog(nullptr)
{
    modeless_ = true;
    initControls(owner, formId);
}

WIN_DIALOG::WIN_DIALOG(VORDIX_DIALOG* owner, int formId, WIN_FENSTER* parent) : QDialog(parent)
{
    initControls(owner, formId);
}

WIN_DIALOG::WIN_DIALOG(VORDIX_DIALOG* owner, int formId, WIN_DIALOG* parent) : QDialog(parent)
{
    initControls(owner, formId);
}

WIN_DIALOG::~WIN_DIALOG() { owner_ = nullptr; }

void WIN_DIALOG::initControls(VORDIX_DIALOG* owner, int formId)
{
    formId_ = formId;
    if (auto create = FormRegistry::findDialogForm(formId))
        form_.reset(create());
    if (form_) {
        form_->setup(this);
        winId();
        for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
            const int id = ControlIds::idOf(button->objectName());
            if (id == 2)
                hasCancel_ = true;
            if (id == 1)
                hasOk_ = true;
        }
        const QVariant embedded = property("isEmbedded");
        embedded_ = embedded.isValid() && embedded.typeId() == QMetaType::Bool && embedded.toBool();
        const QVariant x = property("xPosition");
        const QVariant y = property("yPosition");
        xPosition_ = x.isValid() && x.typeId() == QMetaType::Int ? x.toInt() : 0;
        yPosition_ = y.isValid() && y.typeId() == QMetaType::Int ? y.toInt() : 0;
    }
    VORDIX_DIALOG_imp::done = false;
    owner_ = owner;
}

// ---------------------------------------------------------------------------
// Showing, placing, ending

void WIN_DIALOG::show()
{
    runOnGuiThread([this] { run(); });
}

void WIN_DIALOG::reopen() { show(); }

void WIN_DIALOG::showAsPopup()
{
    runOnGuiThread([this] {
        closeOnMouseLeave_ = true;
        run();
    });
}

void WIN_DIALOG::hide()
{
    runOnGuiThread([this] { QWidget::hide(); });
}

void WIN_DIALOG::endDialog(int value)
{
    runOnGuiThread([this, value] {
        VORDIX_DIALOG_imp::result = value;
        QWidget::hide();
        QDialog::done(value);
    });
}

void WIN_DIALOG::syncWithGuiThread(int)
{
    runOnGuiThread([] {});
}

void WIN_DIALOG::run()
{
    if (!initialised_) {
        if (owner_)
            owner_->initDialog();
        if (!embedded_)
            placeDialog();
        initialised_ = true;
    } else if (embedded_ && owner_) {
        owner_->initDialog();
    }
    VORDIX_DIALOG_imp::done = false;

    if (modeless_) {
        QDialog::show();
        raise();
        activateWindow();
    } else if (embedded_) {
        // A frameless child over the parent's client area; no loop of its own.
        if (windowFlags() != Qt::WindowFlags(Qt::FramelessWindowHint))
            setWindowFlags(Qt::FramelessWindowHint);
        placeEmbedded(0, 0, false);
        QDialog::show();
        raise();
    } else {
        exec();
    }
}

void WIN_DIALOG::placeDialog()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const pl::Area work{available.x(), available.y(), available.width(), available.height()};
    const QSize frame = frameGeometry().size();

    if (const auto packed = rememberedPosition(formId_)) {
        const pl::Point stored = pl::unpackPosition(*packed);
        if (stored.x >= 0 && stored.y >= 0) {
            const pl::Point p = pl::clampToWorkArea(stored, frame.width(), frame.height(), work);
            move(p.x, p.y);
            return;
        }
    }
    if (modeless_) {
        const pl::Point p = pl::centreInWorkArea(frame.width(), frame.height(), work);
        move(p.x, p.y);
    }
    // A modal dialog without a remembered place goes where Qt puts it.
}

void WIN_DIALOG::placeEmbedded(int shiftX, int shiftY, bool always)
{
    QWidget* parent = parentWidget();
    if (!always && parent && xPosition_ >= 0 && yPosition_ >= 0)
        return;
    const auto* window = qobject_cast<WIN_FENSTER*>(parent);
    const ClientFenster* client = window ? window->clientWidget() : nullptr;
    const QSize outer = parent ? parent->size() : QSize();
    const int x = xPosition_ >= 0 || !parent
                      ? xPosition_ + shiftX
                      : pl::resolveCoordinate(xPosition_, outer.width(), width(), client ? client->x() : 0);
    const int y = yPosition_ >= 0 || !parent
                      ? yPosition_ + shiftY
                      : pl::resolveCoordinate(yPosition_, outer.height(), height(), client ? client->y() : 0);
    move(x, y);
}

void WIN_DIALOG::setPosition(int dx, int dy, int, int, int, int, int, int)
{
    runOnGuiThread([this, dx, dy] {
        if (embedded_)
            placeEmbedded(dx, dy, true);
    });
}

void WIN_DIALOG::finishIfDone(int value)
{
    if (!VORDIX_DIALOG_imp::done)
        return;
    VORDIX_DIALOG_imp::result = value;
    QWidget::hide();
    if (!modeless_)
        QDialog::done(value);
    if (owner_)
        owner_->onClosed();
}

bool WIN_DIALOG::closeByFrame()
{
    int value = 0;
    if (hasCancel_ || hasOk_) {
        const int id = hasCancel_ ? 2 : 1;
        auto* button = findControl<QAbstractButton>(id);
        if (button && !button->isEnabled())
            return false;
        value = id;
    }
    VORDIX_DIALOG_imp::result = value;
    if (modeless_)
        QWidget::hide();
    else
        QDialog::done(value);
    if (owner_)
        owner_->onClosed();
    return true;
}

void WIN_DIALOG::closeEvent(QCloseEvent* event)
{
    if (closeByFrame())
        event->accept();
    else
        event->ignore();
}

void WIN_DIALOG::reject()
{
    // Escape ends the dialog as the frame's close does.
    closeByFrame();
}

void WIN_DIALOG::keyPressEvent(QKeyEvent* event)
{
    if (hasCancel_)
        QDialog::keyPressEvent(event);
    else if (modeless_ && !embedded_ && event->key() == Qt::Key_Escape)
        closeByFrame(); // a window of its own closes as by its frame
    else
        event->ignore(); // passes on to the parent
}

void WIN_DIALOG::hideEvent(QHideEvent* event)
{
    if (embedded_) {
        if (auto* window = qobject_cast<WIN_FENSTER*>(parentWidget()))
            if (ClientFenster* client = window->clientWidget())
                client->setFocus();
    }
    QDialog::hideEvent(event);
}

void WIN_DIALOG::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    // Embedded dialogs sit at a place of their parent's choosing.
    if (!embedded_ && isWindow())
        rememberPosition(formId_, x(), y());
}

void WIN_DIALOG::leaveEvent(QEvent* event)
{
    QDialog::leaveEvent(event);
    if (!closeOnMouseLeave_ || !isVisible())
        return;
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return; // onto a child of ours
    VORDIX_DIALOG_imp::done = true;
    finishIfDone(-1);
}

bool WIN_DIALOG::event(QEvent* event)
{
    vordix::windows::eventTakenOver(event);
    if (event->type() == CCustomMessageQueue::instance().registeredMessage()) {
        const auto* posted = static_cast<PostedRecordEvent*>(event);
        const PostedMessage record = CCustomMessageQueue::instance().take(posted->id);
        if (owner_)
            owner_->onNotify(record);
        return true;
    }
    return QDialog::event(event);
}

// ---------------------------------------------------------------------------
// Slots

int WIN_DIALOG::senderControlId() const
{
    const QObject* from = sender();
    return from ? ControlIds::idOf(from->objectName()) : 0;
}

void WIN_DIALOG::onButtonClicked(int controlId)
{
    if (!initialised_)
        return;
    if (controlId > 0 && owner_)
        owner_->onCommand(controlId);
    finishIfDone(controlId);
}

void WIN_DIALOG::onCurrentIndexChanged(int)
{
    const int id = senderControlId();
    if (owner_)
        owner_->onCommand(id);
    finishIfDone(id);
}

void WIN_DIALOG::onSliderValueChanged(int)
{
    const int id = senderControlId();
    if (owner_)
        owner_->onCommand(id);
    finishIfDone(id);
}

void WIN_DIALOG::onCurrentItemChanged(QTableWidgetItem* current, QTableWidgetItem*)
{
    if (!current || !current->tableWidget())
        return;
    const int id = ControlIds::idOf(current->tableWidget()->objectName());
    if (owner_)
        owner_->onCommand(id);
    finishIfDone(id);
}

void WIN_DIALOG::onItemDoubleClicked(QTableWidgetItem* item)
{
    if (!initialised_ || !item || !item->tableWidget())
        return;
    const int id = ControlIds::idOf(item->tableWidget()->objectName());
    if (owner_)
        owner_->onDoubleClick(id);
    finishIfDone(id);
}

WIN_DIALOG::LinkAction WIN_DIALOG::classifyLink(const QString& link, const QString& resourcesFolder)
{
    if (link.startsWith(QLatin1String("app:")))
        return LinkAction::Command;
    const QUrl url(link);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return url.host().isEmpty() ? LinkAction::Ignore : LinkAction::Open;
    if (scheme == QLatin1String("mailto"))
        return LinkAction::Open;
    if (scheme != QLatin1String("file") || resourcesFolder.isEmpty())
        return LinkAction::Ignore;
    // A document of ours: it must lie under the resources folder once links
    // and ".." are resolved.
    const QString document = QFileInfo(url.toLocalFile()).canonicalFilePath();
    const QString root = QFileInfo(resourcesFolder).canonicalFilePath();
    if (document.isEmpty() || root.isEmpty())
        return LinkAction::Ignore;
    return document.startsWith(root + QLatin1Char('/')) ? LinkAction::Open : LinkAction::Ignore;
}

namespace {

QString resourcesFolder()
{
    QString program;
    if (const WIN_APPLICATION* app = WIN_APPLICATION::existing())
        program = QString::fromStdWString(app->programFolder());
    else
        program = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return QDir(program).filePath(QStringLiteral("Ressourcen"));
}

} // namespace

void WIN_DIALOG::onLinkClicked(const QString& link)
{
    if (!initialised_)
        return;
    switch (classifyLink(link, resourcesFolder())) {
    case LinkAction::Command: {
        const int id = senderControlId();
        if (owner_)
            owner_->onCommand(id);
        finishIfDone(id);
        break;
    }
    case LinkAction::Open: WIN_COMMUNICATION().openUrl(link.toStdWString()); break;
    case LinkAction::Ignore: break;
    }
}

// ---------------------------------------------------------------------------
// Controls by id

template <class T>
T* WIN_DIALOG::findControl(int controlId) const
{
    if (controlId == 1 || controlId == 2) {
        for (T* child : findChildren<T*>())
            if (ControlIds::idOf(child->objectName()) == controlId)
                return child;
        return nullptr;
    }
    const QString name = ControlIds::qNameOf(controlId);
    return name.isEmpty() ? nullptr : findChild<T*>(name);
}

namespace {

QAbstractButton* groupButton(QButtonGroup* group, int buttonId)
{
    if (!group)
        return nullptr;
    for (QAbstractButton* button : group->buttons()) {
        if (buttonId == 1 || buttonId == 2) {
            if (ControlIds::idOf(button->objectName()) == buttonId)
                return button;
        } else if (button->objectName() == ControlIds::qNameOf(buttonId) && !button->objectName().isEmpty()) {
            return button;
        }
    }
    return nullptr;
}

void applyButtonState(QAbstractButton* button, VORDIX_DIALOG::OBSTATE state)
{
    if (!button)
        return;
    switch (state) {
    case VORDIX_DIALOG::OB_UNCHECKED:
    case VORDIX_DIALOG::OB_CHECKED:
        if (button->isCheckable())
            button->setChecked(state == VORDIX_DIALOG::OB_CHECKED);
        break;
    case VORDIX_DIALOG::OB_ENABLED:
    case VORDIX_DIALOG::OB_DISABLED: button->setEnabled(state == VORDIX_DIALOG::OB_ENABLED); break;
    case VORDIX_DIALOG::OB_VISIBLE:
    case VORDIX_DIALOG::OB_HIDDEN: button->setVisible(state == VORDIX_DIALOG::OB_VISIBLE); break;
    }
}

QString text(const std::wstring& value) { return QString::fromStdWString(value); }

} // namespace

void WIN_DIALOG::setSlider(int controlId, int minimum, int maximum, int value)
{
    runOnGuiThread([=, this] {
        if (auto* slider = findControl<QAbstractSlider>(controlId)) {
            slider->setMinimum(minimum);
            slider->setMaximum(maximum);
            slider->setValue(value);
        }
    });
}

void WIN_DIALOG::updateControl(int controlId)
{
    runOnGuiThread([this, controlId] {
        if (auto* widget = findControl<PixmapWidget>(controlId))
            widget->update();
    });
}

void WIN_DIALOG::setControlCursor(int controlId, int kind)
{
    runOnGuiThread([this, controlId, kind] {
        auto* widget = findControl<PixmapWidget>(controlId);
        const WIN_APPLICATION* app = WIN_APPLICATION::existing();
        if (!widget || !app)
            return;
        if (kind == 1)
            widget->setCursor(app->panCursor());
        if (kind == 2)
            widget->setCursor(app->eraserCursor());
    });
}

void WIN_DIALOG::showHtmlFile(int controlId, const VORDIX_FILE& file)
{
    const QString path = text(file.fullPath());
    runOnGuiThread([this, controlId, path] {
        if (auto* browser = findControl<QTextBrowser>(controlId))
            browser->setSource(QUrl::fromLocalFile(path));
    });
}

void WIN_DIALOG::setControlState(int controlId, OBSTATE state)
{
    runOnGuiThread([this, controlId, state] {
        switch (state) {
        case VORDIX_DIALOG::OB_UNCHECKED:
        case VORDIX_DIALOG::OB_CHECKED:
            if (auto* button = findControl<QAbstractButton>(controlId))
                if (button->isCheckable())
                    button->setChecked(state == VORDIX_DIALOG::OB_CHECKED);
            break;
        case VORDIX_DIALOG::OB_ENABLED:
        case VORDIX_DIALOG::OB_DISABLED:
            if (auto* widget = findControl<QWidget>(controlId))
                widget->setEnabled(state == VORDIX_DIALOG::OB_ENABLED);
            else if (auto* group = findControl<QButtonGroup>(controlId))
                for (QAbstractButton* button : group->buttons())
                    button->setEnabled(state == VORDIX_DIALOG::OB_ENABLED);
            break;
        case VORDIX_DIALOG::OB_VISIBLE:
        case VORDIX_DIALOG::OB_HIDDEN:
            if (auto* widget = findControl<QWidget>(controlId))
                widget->setVisible(state == VORDIX_DIALOG::OB_VISIBLE);
            break;
        }
    });
}

void WIN_DIALOG::checkGroupButton(int groupId, int buttonId)
{
    setGroupButtonState(groupId, buttonId, VORDIX_DIALOG::OB_CHECKED);
}

void WIN_DIALOG::uncheckGroup(int groupId)
{
    runOnGuiThread([this, groupId] {
        auto* group = findControl<QButtonGroup>(groupId);
        if (!group)
            return;
        const bool exclusive = group->exclusive();
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons())
            button->setChecked(false);
        group->setExclusive(exclusive);
    });
}

void WIN_DIALOG::setGroupButtonState(int groupId, int buttonId, OBSTATE state)
{
    runOnGuiThread([=, this] { applyButtonState(groupButton(findControl<QButtonGroup>(groupId), buttonId), state); });
}

void WIN_DIALOG::setControlText(int controlId, const std::wstring& value)
{
    runOnGuiThread([this, controlId, value] {
        const QString t = text(value);
        if (auto* button = findControl<QAbstractButton>(controlId))
            button->setText(t);
        else if (auto* edit = findControl<QTextEdit>(controlId))
            edit->setPlainText(t);
        else if (auto* line = findControl<QLineEdit>(controlId))
            line->setText(t);
        else if (auto* label = findControl<QLabel>(controlId))
            label->setText(t);
    });
}

void WIN_DIALOG::setControlImage(int controlId, int resourceStringId)
{
    const QString file = text(ResourceStrings::instance().get(resourceStringId));
    runOnGuiThread([this, controlId, file] {
        if (auto* label = findControl<QLabel>(controlId)) {
            label->setPixmap(QPixmap(file));
        } else if (auto* button = findControl<QAbstractButton>(controlId)) {
            QIcon icon;
            icon.addFile(file, QSize(), QIcon::Normal, QIcon::Off);
            button->setIcon(icon);
        }
    });
}

void WIN_DIALOG::setGroupButtonText(int groupId, int buttonId, const std::wstring& value)
{
    runOnGuiThread([=, this] {
        if (auto* button = groupButton(findControl<QButtonGroup>(groupId), buttonId))
            button->setText(text(value));
    });
}

void WIN_DIALOG::setToolTip(int controlId, const std::wstring& value)
{
    runOnGuiThread([this, controlId, value] {
        if (auto* widget = findControl<QWidget>(controlId))
            widget->setToolTip(text(value));
    });
}

void WIN_DIALOG::setControlIcon(int controlId, int iconId)
{
    // The icon's id names its picture in the resource strings; the
    // control-id table only knows the icon's name, which is no file.
    ResourceStrings& pictures = ResourceStrings::instance();
    const QString file = pictures.contains(iconId) ? text(pictures.get(iconId)) : QString();
    runOnGuiThread([this, controlId, file] {
        auto* button = findControl<QAbstractButton>(controlId);
        if (!button || file.isEmpty())
            return;
        QIcon icon;
        icon.addFile(file, QSize(), QIcon::Normal, QIcon::Off);
        button->setIcon(icon);
    });
}

void WIN_DIALOG::setComboItems(int controlId, int resourceStringId, const std::wstring& current)
{
    const QString items = text(ResourceStrings::instance().get(resourceStringId));
    runOnGuiThread([this, controlId, items, current] {
        auto* combo = findControl<QComboBox>(controlId);
        if (!combo)
            return;
        combo->clear();
        if (!items.isEmpty())
            combo->addItems(items.split(QLatin1Char('|')));
        const int index = combo->findText(text(current), Qt::MatchFixedString);
        if (index >= 0)
            combo->setCurrentIndex(index);
    });
}

void WIN_DIALOG::setCurrentIndex(int controlId, int index)
{
    runOnGuiThread([this, controlId, index] {
        if (auto* combo = findControl<QComboBox>(controlId))
            combo->setCurrentIndex(index);
        else if (auto* table = findControl<QTableWidget>(controlId); table && index >= 0 && index < table->rowCount())
            table->selectRow(index);
    });
}

void WIN_DIALOG::setTableRows(int controlId, const TableRows& rows)
{
    runOnGuiThread([this, controlId, &rows] {
        auto* table = findControl<QTableWidget>(controlId);
        if (!table)
            return;
        const bool sorting = table->isSortingEnabled();
        table->setSortingEnabled(false);
        table->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            const auto& cells = rows[static_cast<size_t>(r)];
            if (table->columnCount() < static_cast<int>(cells.size()))
                table->setColumnCount(static_cast<int>(cells.size()));
            for (int c = 0; c < static_cast<int>(cells.size()); ++c)
                table->setItem(r, c, new QTableWidgetItem(text(cells[static_cast<size_t>(c)])));
        }
        if (!rows.empty())
            table->selectRow(0);
        table->setSortingEnabled(sorting);
    });
}

void WIN_DIALOG::postMessage(const PostedMessage& message) { CCustomMessageQueue::instance().post(this, message); }

bool WIN_DIALOG::hasNativeWindow() { return internalWinId() != 0; }

bool WIN_DIALOG::hasControl(int controlId)
{
    return runOnGuiThreadWithResult([this, controlId] { return findControl<QWidget>(controlId) != nullptr; });
}

bool WIN_DIALOG::isChecked(int controlId)
{
    return runOnGuiThreadWithResult([this, controlId] {
        auto* button = findControl<QAbstractButton>(controlId);
        return button && button->isCheckable() && button->isChecked();
    });
}

std::wstring WIN_DIALOG::getControlText(int controlId)
{
    std::wstring value;
    runOnGuiThread([this, controlId, &value] {
        QString t;
        if (auto* button = findControl<QAbstractButton>(controlId))
            t = button->text();
        else if (auto* edit = findControl<QTextEdit>(controlId))
            t = edit->toPlainText();
        else if (auto* line = findControl<QLineEdit>(controlId))
            t = line->text();
        else if (auto* label = findControl<QLabel>(controlId))
            t = label->text();
        else if (auto* combo = findControl<QComboBox>(controlId))
            t = combo->currentText();
        value = t.toStdWString();
    });
    return value;
}

// -1 when no member is checked and also when the form has no such group, so a
// caller can never mistake the group's own id for a chosen button.
int WIN_DIALOG::getCheckedButton(int groupId)
{
    int checked = -1;
    runOnGuiThread([this, groupId, &checked] {
        auto* group = findControl<QButtonGroup>(groupId);
        if (!group)
            return;
        for (QAbstractButton* button : group->buttons())
            if (button->isChecked()) {
                checked = ControlIds::idOf(button->objectName());
                return;
            }
    });
    return checked;
}

int WIN_DIALOG::getCurrentRow(int controlId)
{
    int row = 0;
    runOnGuiThread([this, controlId, &row] {
        if (auto* table = findControl<QTableWidget>(controlId))
            row = table->currentRow() + 1;
    });
    return row;
}

int WIN_DIALOG::getSliderValue(int controlId)
{
    int value = 0;
    runOnGuiThread([this, controlId, &value] {
        if (auto* slider = findControl<QAbstractSlider>(controlId))
            value = slider->value();
    });
    return value;
}

RECTANGLE WIN_DIALOG::getControlScreenPos(int controlId)
{
    RECTANGLE rect;
    runOnGuiThread([this, controlId, &rect] {
        auto* widget = findControl<PixmapWidget>(controlId);
        if (!widget)
            return;
        const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
        rect = {origin.x(), origin.y(), widget->width(), widget->height()};
    });
    return rect;
}
