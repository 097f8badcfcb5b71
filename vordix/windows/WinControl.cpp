#include "vordix/windows/WinControl.h"

#include "vordix/windows/ClientFenster.h"

#include <atomic>

namespace {
// Ids are never reused within a run; the first control gets 2001.
std::atomic<int> lastControlId{2000};
} // namespace

WIN_CONTROL::WIN_CONTROL(VORDIX_CONTROL* owner) : owner_(owner), id_(++lastControlId) { }

WIN_CONTROL::~WIN_CONTROL() { destroyWidgets(); }

void WIN_CONTROL::destroyWidgets()
{
    if (ClientFenster* client = client_) {
        const auto it = client->editControls.find(id_);
        if (it != client->editControls.end() && it->second == this)
            client->editControls.erase(it);
    }
    client_ = nullptr;
    // The mapper first: the edit field's last textChanged must find no one.
    delete mapper_.data();
    if (edit_) {
        edit_->setParent(nullptr);
        delete edit_.data();
    }
    if (label_) {
        label_->setParent(nullptr);
        delete label_.data();
    }
    mapper_ = nullptr;
    edit_ = nullptr;
    label_ = nullptr;
}

void WIN_CONTROL::show()
{
    if (label_)
        label_->show();
    else if (edit_)
        edit_->show();
}

void WIN_CONTROL::hide()
{
    if (label_)
        label_->hide();
    else if (edit_)
        edit_->hide();
}

void WIN_CONTROL::move(int x, int y)
{
    if (edit_)
        edit_->move(x, y);
    else if (label_)
        label_->move(x, y);
}

void WIN_CONTROL::setText(const std::wstring& text)
{
    if (edit_)
        edit_->setPlainText(QString::fromStdWString(text));
    else if (label_)
        label_->setText(QString::fromStdWString(text));
}

void WIN_CONTROL::getText(std::wstring& text)
{
    text.clear();
    if (edit_)
        text = edit_->toPlainText().toStdWString();
    else if (label_)
        text = label_->text().toStdWString();
}

void WIN_CONTROL::createEditField(QWidget* parent, const QRect& geometry)
{
    destroyWidgets();
    edit_ = new QPlainTextEdit(parent);
    edit_->setObjectName(QStringLiteral("edit_%1").arg(id_));
    edit_->setGeometry(geometry);
    edit_->setFrameShadow(QFrame::Plain);

    mapper_ = new QSignalMapper(parent);
    QObject::connect(edit_, &QPlainTextEdit::textChanged, mapper_, qOverload<>(&QSignalMapper::map));
    mapper_->setMapping(edit_, id_);
    if (auto* client = qobject_cast<ClientFenster*>(parent)) {
        // Registered here and unregistered with the widgets, so the client
        // never reads a control that is gone.
        client->editControls[id_] = this;
        client_ = client;
        QObject::connect(mapper_, &QSignalMapper::mappedInt, client, &ClientFenster::onTextChangedInEditControl);
    }
}

void WIN_CONTROL::createLabel(QWidget* parent, const QRect& geometry)
{
    destroyWidgets();
    label_ = new QLabel(parent);
    label_->setObjectName(QStringLiteral("label_%1").arg(id_));
    label_->setGeometry(geometry);
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::NoTextInteraction);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
