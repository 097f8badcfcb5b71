#include "vordix/windows/QtMessageSink.h"

#include "vordix/windows/GuiThread.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>

#include <cstdio>

using vordix::MessageAnswer;
using vordix::MessageButtons;
using vordix::MessageKind;

QtMessageSink::QtMessageSink(Presenter presenter)
    : presenter_(presenter ? std::move(presenter) : Presenter(&QtMessageSink::showMessageBox))
{
}

QString QtMessageSink::displayText(const std::wstring& text)
{
    QString shown = QString::fromStdWString(text);
    shown.replace(QLatin1Char('|'), QLatin1Char('\n'));
    return shown;
}

MessageAnswer QtMessageSink::showMessageBox(MessageKind kind, const QString& caption, const QString& text,
                                            MessageButtons buttons)
{
    QMessageBox::StandardButtons offered = QMessageBox::Ok;
    switch (buttons) {
    case MessageButtons::Ok: offered = QMessageBox::Ok; break;
    case MessageButtons::OkCancel: offered = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MessageButtons::YesNo: offered = QMessageBox::Yes | QMessageBox::No; break;
    case MessageButtons::YesNoCancel: offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
    case MessageKind::Information: icon = QMessageBox::Information; break;
    case MessageKind::Warning: icon = QMessageBox::Warning; break;
    case MessageKind::Error: icon = QMessageBox::Critical; break;
    case MessageKind::Question: icon = QMessageBox::Question; break;
    }
    QMessageBox box(icon, caption, text, offered);
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return refusingAnswer(buttons); // closed without a button
    }
}

MessageAnswer QtMessageSink::refusingAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}

MessageAnswer QtMessageSink::show(MessageKind kind, const std::wstring& caption, const std::wstring& text,
                                  MessageButtons buttons)
{
    const QString shownCaption = QString::fromStdWString(caption);
    const QString shownText = displayText(text);
    if (vordix::windows::isGuiThread())
        return presenter_(kind, shownCaption, shownText, buttons);

    if (buttons == MessageButtons::Ok) {
        if (vordix::windows::guiCallsRefused()) {
            // No event loop will show it any more; keep the text visible.
            std::fprintf(stderr, "%s: %s\n", shownCaption.toStdString().c_str(), shownText.toStdString().c_str());
            return MessageAnswer::Ok;
        }
        // A notice: the worker goes on at once.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [presenter = presenter_, kind, shownCaption, shownText] {
                presenter(kind, shownCaption, shownText, MessageButtons::Ok);
            },
            Qt::QueuedConnection);
        return MessageAnswer::Ok;
    }
    // A question needs its answer; when the GUI no longer serves calls the
    // safe answer is the refusing one.
    MessageAnswer answer = refusingAnswer(buttons);
    vordix::windows::runOnGuiThread([&] { answer = presenter_(kind, shownCaption, shownText, buttons); });
    return answer;
}
