#include "app/manualdialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kx {

namespace {

// The guide's width and height when it first opens, in pixels.
constexpr QSize kFirstSize{620, 560};

QString heading(const QString& text)
{
    return QStringLiteral("<h3>%1</h3>").arg(text);
}

QString paragraph(const QString& text)
{
    return QStringLiteral("<p>%1</p>").arg(text);
}

QString items(const QStringList& texts)
{
    return QStringLiteral("<ul><li>%1</li></ul>").arg(texts.join(QStringLiteral("</li><li>")));
}

} // namespace

ManualDialog::ManualDialog(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("ManualDialog"));
    setWindowTitle(tr("Kanalyx Manual"));
    m_browser->setObjectName(QStringLiteral("manual"));
    m_browser->setOpenLinks(false);
    m_browser->setHtml(manualHtml());

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(kFirstSize);
}

QString ManualDialog::manualHtml()
{
    QString html;
    html +=
        paragraph(tr("Kanalyx edits the channel lists (.tll files) that TV receivers write to a "
                     "USB stick: the order, the names and the check boxes of the channels, "
                     "and the settings of the receiver. Open a file, change it, save it and "
                     "load it back into the receiver from the stick."));
    html += paragraph(tr("It opens the binary .tll files of every record layout (xx*.TLL) and the "
                         "XML channel lists of the newer receivers (GlobalClone00001.TLL); each "
                         "kind of file is told by its content, whatever its name."));

    html += heading(tr("The lists"));
    html += paragraph(tr("The window shows the three lists of a file: analog TV at the top left, "
                         "radio at the top right and digital TV below them. Each row is a "
                         "channel: its programme number and check box, its name, the character "
                         "table its name is stored in, and what the receiver tuned: system, band "
                         "and channel for analog TV; frequency, symbol rate and modulation for "
                         "digital channels."));
    html += paragraph(tr("Short name: the part of a name that the broadcaster marks for displays "
                         "with little room. The marks themselves are not shown; they stay in the "
                         "file until the channel is renamed."));
    html +=
        paragraph(tr("Click a check box to tick or untick a channel, or press Space to tick or "
                     "untick every selected channel; unticked channels show in blue. Commands "
                     "act on the list with the coloured frame: click into a list, or press F6 "
                     "and Shift+F6 to go to the next or previous list. Select several rows with "
                     "Shift and Ctrl; a right click on them offers the commands."));
    html += paragraph(tr("<b>Find</b> (Ctrl+F): type part of a name, or the first digits of a "
                         "number, and every list shows only the channels that match. Commands act "
                         "on the selected channels in sight. Escape shows every channel again."));

    html += heading(tr("Editing"));
    html += items({
        tr("<b>Up</b> (Ctrl+Up) and <b>Down</b> (Ctrl+Down) move the selected channels one place; "
           "the programme numbers follow the new order."),
        tr("<b>Duplicate</b> (Ctrl+D) puts a copy of each selected channel below it."),
        tr("<b>Delete</b> (Delete) takes the selected channels out of the list."),
        tr("<b>Move to</b> (Ctrl+M) moves the selected channels so that the first gets the number "
           "you type; the others follow it. Selected channels can also be dragged with the mouse "
           "to their new place."),
        tr("<b>Sort</b> orders a list by one of its columns and numbers it anew."),
        tr("<b>Undo</b> (Ctrl+Z) takes back the last change, whatever list or setting it was; "
           "<b>Redo</b> (Ctrl+Shift+Z or Ctrl+Y) does it again. The Edit menu names the step, and "
           "you can go back step by step to the file as it was opened."),
        tr("Rename a channel: double-click its name, or press F2. Enter keeps the new name, Escape "
           "drops it."),
        tr("<b>Channel properties</b> (Alt+Enter, or a double-click with the right mouse button): "
           "see and change every field of the channel."),
    });

    html += heading(tr("Files"));
    html += items({
        tr("<b>Open</b> (Ctrl+O), <b>Save</b> (Ctrl+S) and <b>Save As</b> (Ctrl+Shift+S). The File "
           "menu lists the last four files; a file can also be dropped on the window. "
           "<b>Exit</b> (Ctrl+Q) asks to save changes first."),
        tr("<b>Import</b> replaces lists of the open file with those of another file of the same "
           "kind; you choose which lists."),
        tr("<b>Export</b> writes every channel record as hexadecimal text, one tab-separated row "
           "per channel, for a spreadsheet."),
        tr("Before <b>Save</b> writes over the file, Kanalyx checks whether another program or "
           "window changed it since it was opened or saved here, and asks before it overwrites "
           "those changes."),
        tr("A file with other hard links keeps them: the new content is written into the file "
           "itself, after a copy of the old content was kept beside it in a hidden file "
           "(.NAME.kanalyx-old-...), which goes once the save succeeded. Should a save be cut "
           "off, that copy holds the old list."),
        tr("<b>Backups</b>: the first save over a file that was opened keeps the file as it was "
           "beside it, as NAME.bak (once per opened file; a backup that is there already is "
           "never overwritten). <b>File &gt; Keep Backup on Save</b> turns this off and on; it "
           "is on unless you turn it off."),
        tr("<b>Revert to Saved</b> reads the file again as it is on the disk, and drops every "
           "change since it was opened or saved; with changes it asks first. <b>Open Backup</b> "
           "opens NAME.bak of the open file, asking first to save changes; it is disabled, and "
           "says why, while there is no backup."),
    });

    html += heading(tr("Reference lists and comparing"));
    html += paragraph(tr("After a new scan, a firmware update or on a new receiver, the channels "
                         "come in the receiver's order. A reference carries your order over: "
                         "another channel list of any kind and receiver, or a reference list "
                         "(.csv) exported earlier here or in another editor."));
    html += items({
        tr("<b>Apply Reference List</b> (Ctrl+Shift+R): choose the reference. Each channel of "
           "the open file is matched with the reference's channels by its service (for digital "
           "channels the network, stream and service ids, for satellite channels the satellite "
           "too, for analog channels the frequency), then, for what is left, by its name (as it "
           "is, then with case and blanks ignored; a name that appears twice on a side matches "
           "only by service). Before anything changes, a dialog shows per list how many "
           "channels match by service, by name and not at all, lists the ones that do not, and "
           "asks whether to keep them after the matched ones or to delete them. "
           "<b>Apply</b> gives the matched channels the reference's numbers and order, as one "
           "step that <b>Undo</b> takes back; <b>Cancel</b> changes nothing. Where the receiver "
           "wants its records sorted, a list is numbered 1 to n in its new order."),
        tr("<b>Export Reference List</b> writes the order of every channel as a reference list "
           "(.csv, UTF-8: number, service, name, list and favourites of each channel), which "
           "other files and other editors can take. A channel whose file does not say its "
           "service cannot be written; the message names it."),
        tr("<b>Compare Channels With</b> (Ctrl+Shift+C): choose another file or reference list; "
           "the <b>Compare</b> pane beside the lists shows, list by list, the channels only in "
           "the other file (added), only in the open one (removed), with another number there "
           "(moved) or another name (renamed), and how many of each. Click a line to select "
           "its channel. The pane follows your changes: what you make alike leaves it."),
    });

    html += heading(tr("GlobalClone files"));
    html += items({
        tr("Their lists show on the <b>Antenna</b>, <b>Cable</b> and <b>Satellite</b> tabs, TV "
           "and radio side by side; the status bar counts each list and names the receiver "
           "model."),
        tr("Every channel keeps its place in the file: moving channels changes their numbers "
           "only, and <b>Delete</b> marks the channels deleted, as the receiver does, and keeps "
           "them in the file. Saving changes only the values you changed; every other byte "
           "stays."),
        tr("<b>Duplicate</b>, <b>Import</b>, <b>More Settings</b>, <b>Data Block</b>, "
           "<b>Export</b> and <b>Channel properties</b> do not apply to these files: their "
           "receivers keep no settings block and no records of bytes in them, and keep each "
           "channel once. The menus say why when you point at the command."),
    });

    html += heading(tr("Character set"));
    html += paragraph(tr("The bar below the menus chooses how names without a table mark are read "
                         "and how renamed channels are stored: a character table, with "
                         "<b>Prefix</b> to write the table's mark in front of the name, or "
                         "<b>Unicode</b> (UTF-8). <b>Edit &gt; User Settings</b> edits the table "
                         "of the entry \"User\"."));

    html += heading(tr("Settings of the receiver"));
    html += items({
        tr("<b>More Settings</b>: the country, the languages, the menu item, the time zone and the "
           "digital audio output on the Country page, and the settings that the description file "
           "names on the More page. Apply or OK writes them into the file."),
        tr("<b>Data Block</b>: the receiver's settings byte by byte. Click a byte, or move the "
           "caret with the arrow keys, Page Up/Down and Home/End, and type hexadecimal digits. "
           "<b>Add</b> names the selected bytes as a parameter of the description file; "
           "<b>Compare</b> lists the bytes that another file holds differently (its byte, then "
           "the offset)."),
    });

    html += heading(tr("Language"));
    html += paragraph(tr("<b>View &gt; Language</b> chooses the language of the interface; it "
                         "applies from the next start."));
    return html;
}

} // namespace kx
