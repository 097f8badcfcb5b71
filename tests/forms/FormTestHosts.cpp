#include "FormTestHosts.h"

#include "vordix/windows/ControlIds.h"

#include <QTableWidget>

int TestDialogHost::senderId() const { return sender() ? ControlIds::idOf(sender()->objectName()) : 0; }

void TestDialogHost::onButtonClicked(int id) { calls.push_back({"button", id, {}, 0}); }

void TestDialogHost::onCurrentIndexChanged(int index) { calls.push_back({"index", senderId(), {}, index}); }

void TestDialogHost::onSliderValueChanged(int value) { calls.push_back({"slider", senderId(), {}, value}); }

void TestDialogHost::onCurrentItemChanged(QTableWidgetItem* current, QTableWidgetItem*)
{
    if (!current)
        return;
    calls.push_back({"current", ControlIds::idOf(current->tableWidget()->objectName()), {}, current->row()});
}

void TestDialogHost::onItemDoubleClicked(QTableWidgetItem* item)
{
    calls.push_back({"double", ControlIds::idOf(item->tableWidget()->objectName()), {}, item->row()});
}

void TestDialogHost::onLinkClicked(const QString& link) { calls.push_back({"link", senderId(), link, 0}); }
