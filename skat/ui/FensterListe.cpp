#include "skat/ui/FensterListe.h"

#include "skat/app/PdfExport.h"
#include "skat/app/SkatText.h"
#include "vordix/Message.h"
#include "vordix/Screen.h"

LISTE_VORDIX_VIEW::LISTE_VORDIX_VIEW() : renderer(this) { renderer.mode = LISTE_RENDERER::MODE_ROWS; }

void LISTE_VORDIX_VIEW::draw(VORDIX_ZEICHENBEREICH& area) { renderer.draw(area); }

void LISTE_VORDIX_VIEW::fitToRows()
{
    renderer.computeLayout();
    resize(480, renderer.rowHeight * renderer.rowCapacity() + renderer.headerHeight + renderer.footerHeight);
}

FENSTER_LISTE::FENSTER_LISTE() : frame(this), print(printScoreSheetForUser) { frame.mode = LISTE_RENDERER::MODE_FRAME; }

FENSTER_LISTE::~FENSTER_LISTE() = default;

void FENSTER_LISTE::create()
{
    frame.mode = LISTE_RENDERER::MODE_FRAME;
    rows.renderer.mode = LISTE_RENDERER::MODE_ROWS;
    frame.computeLayout();
    rows.renderer.computeLayout();
    auto imp = implementor();
    if (!imp)
        return;
    imp->createFromForm(FORM_ID);
    isOpen = true;
    minWidth = maxWidth = frame.sheetWidth + imp->getSystemMetric();
    minHeight = 3 * ROW_HEIGHT + frame.footerHeight + frame.headerHeight;
    maxHeight = ROW_HEIGHT * frame.rowCapacity() + frame.footerHeight + frame.headerHeight;
    imp->setFixedSize(minWidth, minHeight, maxWidth, maxHeight);
    updateTitle();
    imp->setSizingHandler(&FENSTER_LISTE::snapHeight);
    placeWindow();
    imp->enableAction(historyAction, false);
    rows.fitToRows();
    imp->embedInScrollArea(&rows, 0, frame.headerHeight, 0, frame.footerHeight);
    tricks.create();
}

void FENSTER_LISTE::close()
{
    tricks.close();
    VORDIX_FENSTER::close();
}

void FENSTER_LISTE::attachList(LISTE* list)
{
    for (LISTE_RENDERER* r : {&rows.renderer, &frame}) {
        r->detach();
        r->list = list;
        r->prepareList();
        if (list)
            list->ownerWindow = this;
    }
    if (isOpen) {
        updateTitle();
        selectRow(selectedRow());
    }
}

void FENSTER_LISTE::updateTitle()
{
    const LISTE* list = shownList();
    std::wstring title =
        skat::text(list && list->networkGame ? TextKey::Fenstername_Netzwerkliste : TextKey::Fenstername_Liste);
    if (list && !list->file.name.empty())
        title += L" - " + list->file.name;
    if (isOpen && implementor())
        implementor()->setTitle(title);
}

void FENSTER_LISTE::refresh()
{
    rows.fitToRows();
    updateRect(0, 0, -1, -1);
    rows.updateRect(0, 0, -1, -1);
}

void FENSTER_LISTE::placeWindow()
{
    if (!isOpen)
        return;
    move(0, 0);
    VORDIX_SCREEN_imp* screen = VORDIX_SCREEN::instance().implementor();
    if (!screen)
        return;
    fitInto(screen->getWorkArea());
}

void FENSTER_LISTE::fitInto(const RECTANGLE& work)
{
    auto imp = implementor();
    if (!isOpen || !imp)
        return;
    move(work.x, work.y);
    resize(work.width, work.height);
    // The size is the client's; the toolbar and the frame come on top, and
    // the whole window has to stay above the screen's lower edge.
    const RECTANGLE outer = imp->getFrameGeometry();
    const RECTANGLE client = imp->mapToGlobal();
    const int overhead = outer.height - client.height;
    if (overhead > 0 && outer.height > work.height)
        resize(client.width, snappedHeight(work.height - overhead));
}

bool FENSTER_LISTE::isReplayable(const LISTE& list, int row)
{
    if (row < 0 || row >= list.rowCount())
        return false;
    const EIN_SPIEL& game = list.rowAt(row);
    return game.trickCount() == 10 || game.deal.isValid();
}

void FENSTER_LISTE::selectRow(int row)
{
    rows.renderer.setHighlightedRow(row);
    const LISTE* list = shownList();
    if (isOpen && implementor())
        implementor()->enableAction(historyAction, list && isReplayable(*list, row));
    refresh();
}

void FENSTER_LISTE::showSelectedHistory()
{
    LISTE* list = shownList();
    const int row = selectedRow();
    if (!list || row < 0 || row >= list->rowCount())
        return;
    tricks.showListGame(*list, row);
    tricks.show();
}

void FENSTER_LISTE::snapHeight(int*, int* height)
{
    if (height)
        *height = snappedHeight(*height);
}

void FENSTER_LISTE::paint(VORDIX_ZEICHENBEREICH& area) { frame.draw(area); }

void FENSTER_LISTE::pressAt(int y, bool doubleClick)
{
    const LISTE* list = shownList();
    int offset = 0;
    if (implementor())
        offset = -implementor()->getVisibleRect(&rows).y;
    const int inRows = y - frame.headerHeight - offset;
    if (inRows <= 0 || !list)
        return;
    // Footer clicks are not rows.
    const RECTANGLE client = mapToGlobal();
    if (client.height > 0 && y >= client.height - frame.footerHeight)
        return;
    const int pressed = inRows / ROW_HEIGHT;
    if (pressed >= list->rowCount())
        return;
    const int before = selectedRow();
    if (doubleClick) {
        if (before != pressed)
            selectRow(pressed);
        const EIN_SPIEL& game = list->rowAt(pressed);
        if (game.trickCount() == 10)
            showSelectedHistory();
        return;
    }
    // A press on the selected row deselects it.
    selectRow(before == pressed ? -1 : pressed);
}

void FENSTER_LISTE::command(int id)
{
    auto send = [this](int commandId) {
        VORDIX_MESSAGE message(MESSAGE_COMMAND);
        message.commandId = commandId;
        if (sendCommand)
            sendCommand(message);
    };
    switch (id) {
    case ACTION_NEW: send(COMMAND_NEW_LIST); break;
    case ACTION_LOAD: send(COMMAND_LOAD_LIST); break;
    case ACTION_CONTINUE: send(COMMAND_CONTINUE_LIST); break;
    case ACTION_SAVE: send(COMMAND_SAVE_LIST); break;
    case ACTION_PRINT:
        if (shownList() && print)
            print(*shownList());
        break;
    case ACTION_HISTORY: showSelectedHistory(); break;
    default: break;
    }
}

void FENSTER_LISTE::onMessage(VORDIX_MESSAGE& message)
{
    switch (message.kind) {
    case MESSAGE_MOUSE_PRESS:
    case MESSAGE_DOUBLE_CLICK: pressAt(message.y, message.kind == MESSAGE_DOUBLE_CLICK); break;
    case MESSAGE_KEY: {
        if (message.keyCode == KEY_ESCAPE) {
            if (isOpen && implementor())
                implementor()->hide();
            break;
        }
        const LISTE* list = shownList();
        if (!list || list->rowCount() == 0)
            break;
        const int selected = selectedRow();
        if (message.keyCode == 13) {
            if (selected >= 0 && selected < list->rowCount() && list->rowAt(selected).trickCount() == 10)
                showSelectedHistory();
        } else if (message.keyCode == 200) {
            selectRow(selected - 1 > 0 ? selected - 1 : 0);
        } else if (message.keyCode == 201) {
            selectRow(selected + 1 < list->rowCount() - 1 ? selected + 1 : list->rowCount() - 1);
        }
        break;
    }
    case MESSAGE_COMMAND: command(message.commandId); break;
    case MESSAGE_CLOSE:
        if (isOpen && implementor())
            implementor()->hide();
        break;
    case MESSAGE_RESIZE: refresh(); break;
    default: break;
    }
}
