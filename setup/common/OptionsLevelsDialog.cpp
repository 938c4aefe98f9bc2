#include "setup/common/OptionsLevelsDialog.h"

#include "platform/DatabaseFault.h"
#include "platform/FlagGuard.h"
#include "platform/HandlerCall.h"
#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "platform/Pictures.h"
#include "setup/common/AccessoryList.h"
#include "setup/common/FormControls.h"
#include "setup/common/LoneEntry.h"
#include "setup/common/Reconciliation.h"
#include "setup/common/TextBox.h"
#include "shell/Dependents.h"
#include "shell/DialogSupport.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <exception>
#include <utility>

using namespace Globals;

namespace {

const QString kNotAvailable = QStringLiteral("N/A");

template <class T>
T* place(QWidget* parent, const QString& name, const QRect& twips)
{
    return FormControls::make<T>(parent, name, twips.left(), twips.top(), twips.width(), twips.height());
}

QLabel* captionAbove(QWidget* parent, const QString& name, const QString& text, const QRect& box)
{
    return FormControls::label(parent, name, text, box.left(), box.top() - 240, box.width());
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& twips)
{
    auto* b = place<QPushButton>(parent, name, twips);
    b->setText(text);
    return b;
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

OptionsLevelsDialog::OptionsLevelsDialog(Design design)
    : Form(SetupKinds::find(design.kind)->optionsDialog, OwnedDialog)
    , m_design(std::move(design))
{
    const Layout& at = m_design.layout;
    setCaption(m_design.product + QStringLiteral(" Selection"));
    for (int number = 1; number <= m_design.levels; ++number) {
        const int index = m_design.firstIndex + number - 1;
        const int top = 360 + (number - 1) * 720;
        m_lbl1 << FormControls::label(this, indexed("lbl1", index), QString(), 240, top - 240, at.levelWidth);
        m_cmb1 << FormControls::make<ListControl>(this, indexed("cmb1", index), 240, top, at.levelWidth, 315);
        m_cmb1.last()->setClickHandler([this, index] { cmb1_Click(index); });
    }
    m_passedThrough.fill(false, m_design.levels);

    m_picture = place<QLabel>(this, m_design.pictureName, at.picture);
    m_picture->setScaledContents(true);
    m_picture->setFrameShape(QFrame::Box);

    QLabel* lblResults =
        captionAbove(this, QStringLiteral("lblResults"), m_design.product + QStringLiteral(" Part Number"), at.results);
    m_txtResults = place<TextBox>(this, QStringLiteral("txtResults"), at.results);
    m_lblAccessories = captionAbove(this, QStringLiteral("lblAccessories"),
                                    QStringLiteral("Selected Controller Accessories"), at.accessories);
    m_txtAccessories = place<TextBox>(this, QStringLiteral("txtAccessories"), at.accessories);
    QPushButton* accessories =
        button(this, QStringLiteral("cmdAccessories"), QStringLiteral("Accessories"), at.accessoriesButton);
    QPushButton* done = button(this, QStringLiteral("cmdDone"), QStringLiteral("Done"), at.done);
    m_result = {m_txtResults, lblResults, m_txtAccessories, m_lblAccessories, accessories};

    connect(accessories, &QPushButton::clicked, this,
            [this] { HandlerCall::fromEventLoop([this] { cmdAccessories_Click(); }); });
    connect(done, &QPushButton::clicked, this, [this] { HandlerCall::fromEventLoop([this] { cmdDone_Click(); }); });
}

int OptionsLevelsDialog::levelOf(int index) const
{
    const int number = index - m_design.firstIndex + 1;
    return number >= 1 && number <= m_design.levels ? number : 0;
}

ListControl* OptionsLevelsDialog::cmb1(int index) const
{
    return levelOf(index) ? level(levelOf(index)) : nullptr;
}

QLabel* OptionsLevelsDialog::lbl1(int index) const
{
    return levelOf(index) ? caption(levelOf(index)) : nullptr;
}

QStringList OptionsLevelsDialog::chosen(int levels) const
{
    QStringList values;
    for (int number = 1; number <= levels; ++number)
        values << level(number)->text();
    return values;
}

bool OptionsLevelsDialog::configured() const
{
    return std::ranges::all_of(m_cmb1, [](const ListControl* list) { return list->listIndex() >= 0; });
}

void OptionsLevelsDialog::keepOfferedAccessories(Reconciliation& reconciliation) const
{
    if (!configured())
        return;
    const AccessoryRequest request = accessoryRequest();
    const AccessoryStore::Offer offer = offeredAccessories();
    // Cards stored before the expansion choice went off stay until the
    // accessory dialog closes again, as the original's file holds them.
    const bool choiceOff = !request.expansion || !request.expansion->chosen;
    const bool cardsKept = choiceOff && std::ranges::any_of(request.choice->Entry, [&](const QString& entry) {
        return !entry.isEmpty() && !offer.accessories.contains(entry, Qt::CaseInsensitive);
    });
    if (cardsKept) {
        reconciliation.keepOffered(request, offer);
        return;
    }
    const AccessoryChoice saved = *request.choice;
    *request.choice = AccessoryStore::Offered_Part(request.context, offer, saved);
    Reconciliation::storeAsShown(request);
    // A file whose dialog never listed anything keeps that while its choice
    // stays: the list is the dialog's own, filled when it next opens.
    const AccessoryChoice& stored = *request.choice;
    if (std::ranges::all_of(saved.List_Item, &QString::isEmpty) && stored.Entry == saved.Entry
        && stored.Quantity == saved.Quantity && stored.Description == saved.Description)
        *request.choice = saved;
}

void OptionsLevelsDialog::fillLevel(int number)
{
    ListControl* list = level(number);
    list->clear();
    listLevel(list, number, chosen(number - 1));
    // "N/A" beside other values is a value like them: the level shows them all.
    m_passedThrough[number - 1] =
        list->listCount() == 1 && list->items().first().compare(kNotAvailable, Qt::CaseInsensitive) == 0;
}

void OptionsLevelsDialog::offerLevel(int number)
{
    ListControl* list = level(number);
    const QString& saved = (*m_design.options)[number];
    // A saved value no longer offered leaves the level to the user, shown
    // even where "N/A" is all it offers now.
    const bool shown = !m_passedThrough.at(number - 1) || (!saved.isEmpty() && list->findEntry(saved) < 0);
    list->setHidden(!shown);
    caption(number)->setHidden(!shown);
    // A level of one value chooses itself; one already chosen stays as it is,
    // so that the saved levels below it stay too. A saved value is put back
    // by the restore, never replaced by the one value left.
    if (saved.isEmpty())
        LoneEntry::choose(list, LoneEntry::AlsoInReplay);
}

void OptionsLevelsDialog::showResult(bool shown, bool opening)
{
    for (QWidget* w : m_result)
        w->setHidden(!shown);
    if (shown || opening)
        for (QWidget* w : m_shownOnce)
            w->setHidden(!shown);
}

void OptionsLevelsDialog::Form_Load()
{
    setSizeTwips(m_design.layout.width, m_design.layout.height);
    moveTwips(500, 500);
    setSubject(m_design.configures, Dependents::ofAxis(m_design.configures) ? Current_Axis : 0);
    {
        FlagGuard loading(Loading_Lists, true);
        Pictures::showIn(m_picture, accessoryRequest().key);
        m_txtResults->setText(QString());
        m_txtAccessories->setText(QString());
        showResult(false, true);
        // The accessory dialog is not touched: made here, its closing would
        // store an empty choice over the stored one.
        const QStringList captions = levelCaptions();
        for (int number = 1; number <= m_design.levels; ++number) {
            caption(number)->setText(captions.value(number - 1));
            level(number)->hide();
            caption(number)->hide();
        }
        m_passedThrough.fill(false);
        fillLevel(1);
    }
    m_toldLost = false;
    restoreOptions();
    Update_Accessories_Display();
    DialogSupport::setToolbarEnabled(false);
}

void OptionsLevelsDialog::restoreOptions()
{
    FlagGuard running(Loading_Lists, false);
    bool lost = false;
    {
        FlagGuard restoring(Restoring_Options, true);
        for (int number = 1; number <= m_design.levels; ++number) {
            const QString saved = (*m_design.options)[number];
            ListControl* list = level(number);
            // An empty value with a saved level below it was the level's empty entry, chosen.
            bool savedBelow = false;
            for (int below = number + 1; below <= m_design.levels; ++below)
                savedBelow = savedBelow || !(*m_design.options)[below].isEmpty();
            const bool emptyChosen = saved.isEmpty() && savedBelow && list->findEntry(QString()) >= 0;
            // Empty, or already chosen as the only value of its level.
            if ((saved.isEmpty() && !emptyChosen) || (list->listIndex() >= 0 && list->text() == saved))
                continue;
            // The levels below a lost one stay empty and cannot be restored either.
            try {
                lost = !list->setText(saved) || lost;
            } catch (const DatabaseFault&) {
                // The catalogue's fault is told, not passed over as an option no longer offered.
                throw;
            } catch (const std::exception&) {
                lost = true;
            }
        }
    }
    if (lost)
        tellLost();
    offerLevel(1);
}

void OptionsLevelsDialog::restoreEmptyLastLevel()
{
    ListControl* last = level(m_design.levels);
    if (last->listIndex() >= 0 || !(*m_design.options)[m_design.levels].isEmpty() || last->findEntry(QString()) < 0)
        return;
    {
        FlagGuard running(Loading_Lists, false);
        FlagGuard restoring(Restoring_Options, true);
        last->setText(QString());
    }
    offerLevel(m_design.levels);
}

void OptionsLevelsDialog::tellLost()
{
    if (m_toldLost)
        return;
    m_toldLost = true;
    MsgBox::show(m_design.lostOption, MsgBox::OKOnly, Product_Title);
}

void OptionsLevelsDialog::cmb1_Click(int Index)
{
    const int number = levelOf(Index);
    if (Loading_Lists || number == 0)
        return;
    const bool last = number == m_design.levels;
    // The accessory dialog open for the configuration that goes stores what it
    // shows and closes: what it offers may not stand for the next one. A level
    // above the last drops the accessory choice too; a restore keeps it.
    if (!Restoring_Options)
        if (const SetupKinds::AccessoryContext* context = SetupKinds::accessoryContext(m_design.kind)) {
            if (last)
                Dependents::closeWindows(context->stage, Current_Axis);
            else
                Dependents::drop(context->stage, Current_Axis);
        }
    {
        FlagGuard loading(Loading_Lists, true);
        Dependents::drop(m_design.result, Current_Axis);
        frmAccessories::strExpIO_Note.clear();
        configurationWithdrawn();
        showResult(false);
        for (int below = number + 1; below <= m_design.levels; ++below) {
            level(below)->clear();
            level(below)->hide();
            caption(below)->hide();
            if (!Restoring_Options)
                (*m_design.options)[below].clear();
        }
        (*m_design.options)[number] = level(number)->text();

        if (!last) {
            fillLevel(number + 1);
        } else {
            m_txtResults->setText(configure(chosen(m_design.levels)));
            Update_Accessories_Display();
            // The accessory box shows with the result, even when it is empty.
            showResult(true);
        }
    }
    // A chain of one-value levels completes itself.
    if (!last)
        offerLevel(number + 1);
}

void OptionsLevelsDialog::cmdDone_Click()
{
    // A chosen level counts, an empty entry chosen too; one left unchosen does not.
    bool complete = true;
    for (int number = 1; number <= m_design.levels; ++number)
        complete = complete && level(number)->listIndex() >= 0;
    const QString question =
        m_design.product + QStringLiteral(" not fully configured.\r\nHit Cancel to Return or OK to Discard.");
    if (!complete && MsgBox::show(question, MsgBox::OKCancel, Product_Title) == MsgBox::Cancel)
        return;
    configurationDone(complete);
    // Stored again against what is offered now: only what the configuration still offers stays.
    accessoryRequest().open(false);
    m_closedByUser = true;
    Unload();
}

void OptionsLevelsDialog::cmdAccessories_Click()
{
    accessoryRequest().open(true);
}

void OptionsLevelsDialog::Update_Accessories_Display()
{
    AccessoryList::show(m_txtAccessories, m_lblAccessories, accessoryRequest().choice->Entry);
}

void OptionsLevelsDialog::Form_Unload(bool& cancel)
{
    (void)cancel;
    const bool byUser = std::exchange(m_closedByUser, false);
    // However this dialog goes, the accessory dialog goes with it and stores
    // what it shows.
    Forms::unload<frmAccessories>();
    Current_Form = SetupKinds::formName(m_design.kind);
    closed(byUser);
    DialogSupport::setToolbarEnabled(true);
}

void OptionsLevelsDialog::closeEvent(QCloseEvent* event)
{
    m_closedByUser = true;
    Form::closeEvent(event);
}
