#pragma once
// Hosts standing in for the framework's dialog and window implementors in the
// forms tests: they carry the slots that the wiring connects and record every
// call.

#include <QDialog>
#include <QMainWindow>
#include <QString>
#include <QTableWidgetItem>

#include <vector>

struct RecordedCall {
    QString slot;
    int id = 0;    // the id passed, or the sender's control id
    QString text;  // link target
    int value = 0; // index / slider value
    bool operator==(const RecordedCall&) const = default;
};

class TestDialogHost : public QDialog {
    Q_OBJECT
public:
    std::vector<RecordedCall> calls;

public slots:
    void onButtonClicked(int id);
    void onCurrentIndexChanged(int index);
    void onSliderValueChanged(int value);
    void onCurrentItemChanged(QTableWidgetItem* current, QTableWidgetItem* previous);
    void onItemDoubleClicked(QTableWidgetItem* item);
    void onLinkClicked(const QString& link);

private:
    int senderId() const;
};

class TestWindowHost : public QMainWindow {
    Q_OBJECT
public:
    std::vector<int> actions;

public slots:
    void onActionTriggered(int id) { actions.push_back(id); }
};
