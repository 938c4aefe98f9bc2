#include "shell/frmAccessories.h"

#include "platform/Caption.h"
#include "platform/FlagGuard.h"
#include "platform/HandlerCall.h"
#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "platform/Twips.h"
#include "shell/AccessoryOwner.h"
#include "shell/AccessoryStore.h"
#include "shell/DialogSupport.h"
#include "shell/Forms.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"

#include <QLabel>
#include <QPushButton>

QString frmAccessories::strExpIO;
QString frmAccessories::strExpIO_Note;

namespace {

constexpr int kWidth = 7425;
constexpr int kListHeight = 2910;
constexpr int kCardsHeight = 9300;
// Rows of the card table: first row, spacing, and the count that fits kCardsHeight.
constexpr int kFirstRowTop = 2580;
constexpr int kRowStep = 360;
constexpr int kRowsInCardsHeight = 14;
constexpr int kHeightPerRow = 400;
// Rows 15 to 17 fall back to "0" only when reopened, not with "No Expansion IO".
constexpr int kRowsResetByNoExpansion = 15;

const char* const kCardCaptions[] = {"TUQ #",        "TUQ8-OUT-NPN", "TUQ8-OUT-PNP",
                                     "TUQ8-OUT-SSR", "TUQ8-OUT-HCR", "TUQ8-AN-IN"};
const char* const kDescCaptions[] = {"8 Digital Inputs (Sinking and Sourcing)",
                                     "8 Digital Sinking Outputs",
                                     "8 Digital Sourcing Outputs",
                                     "8 Digital High Voltage Low Current Relay Outputs",
                                     "8 Digital Low Voltage High Current Relay Outputs",
                                     "8 Analog Inputs"};

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* label = new Caption(parent);
    label->setText(caption);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

void updateOwner(const QString& name)
{
    if (auto* owner = Forms::find<AccessoryOwner>(name))
        owner->Update_Accessories_Display();
}

void updateSetupForm(const QString& name)
{
    if (auto* form = Forms::find<SetupForm>(name))
        form->Update_Accessories_Display();
}

void tellDropped(int dropped)
{
    if (dropped > 0)
        MsgBox::show(QStringLiteral("Only %1 accessories and expansion IO cards can be stored. The last %2 chosen "
                                    "were not stored.")
                         .arg(AccessoryStore::Entries)
                         .arg(dropped),
                     MsgBox::OKOnly, Globals::Product_Title, MsgBox::Exclamation);
}

} // namespace

frmAccessories::frmAccessories()
    : Form(Name, OwnedDialog)
{
    setCaption(QStringLiteral("Controller Accessories"));

    m_lstAccessories = new MultiList(this);
    m_lstAccessories->setObjectName(QStringLiteral("lstAccessories"));
    m_lstAccessories->setGeometry(Twips::rect(120, 120, 4815, 2160));

    m_optExp[0] = new OptionButton(QStringLiteral("No Expansion IO"), this);
    m_optExp[1] = new OptionButton(QStringLiteral("JTR or DUW"), this);
    for (int i = 0; i < 2; ++i) {
        m_optExp[i]->setObjectName(indexed("optExp", i));
        m_optExp[i]->setGeometry(Twips::rect(5160, 120 + i * 360, 2160, 315));
        m_optExp[i]->setClickHandler([this, i] { optExp_Click(i); });
    }

    m_lblNote = makeLabel(this, QStringLiteral("lblNote"), QStringLiteral("4 TUQ Cards per JTR32"),
                          Twips::rect(5160, 840, 2160, 855));
    m_lblNote->setWordWrap(true);
    m_lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_cmdDone = new QPushButton(QStringLiteral("Done"), this);
    m_cmdDone->setObjectName(QStringLiteral("cmdDone"));
    m_cmdDone->setGeometry(Twips::rect(5160, 1800, 2040, 435));
    connect(m_cmdDone, &QPushButton::clicked, this,
            [this] { HandlerCall::fromEventLoop([this] { cmdDone_Click(); }); });

    constexpr int headingTop = kFirstRowTop - 300;
    m_lblTuq = makeLabel(this, QStringLiteral("lblTuq"), QStringLiteral("Tuq Cards"),
                         Twips::rect(120, headingTop, 1620, 255));
    m_lblQuantity = makeLabel(this, QStringLiteral("lblQuantity"), QStringLiteral("Quantities"),
                              Twips::rect(1800, headingTop, 840, 255));
    m_lblDescription = makeLabel(this, QStringLiteral("lblDescription"), QStringLiteral("Description"),
                                 Twips::rect(2700, headingTop, 4605, 255));

    for (int r = 0; r < Card_Rows; ++r) {
        const int top = kFirstRowTop + r * kRowStep;
        const QString card = r < 6 ? QString::fromLatin1(kCardCaptions[r]) : QString();
        const QString desc = QString::fromLatin1(r < 6 ? kDescCaptions[r] : "8 Analog Outputs");
        m_lblTuq_Card[r] = makeLabel(this, indexed("lblTuq_Card", r), card, Twips::rect(120, top, 1620, 255));
        m_cmbTuq[r] = new ListControl(this);
        m_cmbTuq[r]->setObjectName(indexed("cmbTuq", r));
        m_cmbTuq[r]->setGeometry(Twips::rect(1800, top - 30, 780, 315));
        m_lblTuq_Desc[r] = makeLabel(this, indexed("lblTuq_Desc", r), desc, Twips::rect(2700, top, 4665, 255));
    }

    m_lblWarning = makeLabel(this, QStringLiteral("lblWarning"),
                             QStringLiteral("Warning, this software does not check if the user exceeds the maximum "
                                            "expansion IO for the controller/drivecontroller or BusCoupler/Base."),
                             Twips::rect(120, kCardsHeight - 1000, 7185, 600));
    m_lblWarning->setWordWrap(true);
    m_lblWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblWarning->hide();
}

OptionButton* frmAccessories::optExp(int index) const
{
    return index >= 0 && index < 2 ? m_optExp[index] : nullptr;
}

ListControl* frmAccessories::cmbTuq(int index) const
{
    return index >= 0 && index < Card_Rows ? m_cmbTuq[index] : nullptr;
}

QLabel* frmAccessories::lblTuq_Card(int index) const
{
    return index >= 0 && index < Card_Rows ? m_lblTuq_Card[index] : nullptr;
}

QLabel* frmAccessories::lblTuq_Desc(int index) const
{
    return index >= 0 && index < Card_Rows ? m_lblTuq_Desc[index] : nullptr;
}

void frmAccessories::setWindowHeight(int heightTwips)
{
    setSizeTwips(kWidth, heightTwips);
}

void frmAccessories::Form_Load()
{
    for (ListControl* list : m_cmbTuq)
        for (int q = 0; q <= 8; ++q)
            list->addItem(QString::number(q));

    setWindowHeight(kListHeight);
    moveTwips((Twips::screenWidth() - kWidth) / 2, 0);

    m_context = Globals::System_Type;
    if (const auto* context = SetupKinds::accessoryContext(m_context); context && !context->expansion) {
        m_optExp[0]->hide();
        m_optExp[1]->hide();
    }
    for (int r = 0; r < Card_Rows; ++r) {
        m_cmbTuq[r]->hide();
        m_lblTuq_Card[r]->hide();
        m_lblTuq_Desc[r]->hide();
    }
    for (QLabel* label : {m_lblQuantity, m_lblTuq, m_lblDescription, m_lblNote})
        label->hide();
    DialogSupport::setToolbarEnabled(false);
}

void frmAccessories::setQuantity(int row, const QString& quantity)
{
    ListControl* list = m_cmbTuq[row];
    if (quantity.isEmpty()) {
        list->setListIndex(-1);
        return;
    }
    // A quantity beyond the offered ones is shown (and stored) all the same.
    if (!list->setText(quantity)) {
        list->addItem(quantity);
        list->setText(quantity);
    }
}

void frmAccessories::optExp_Click(int Index)
{
    (void)Index;
    if (m_optExp[0]->value()) {
        setWindowHeight(kListHeight);
        for (QLabel* label : {m_lblQuantity, m_lblTuq, m_lblDescription, m_lblNote})
            label->hide();
        for (int r = 0; r < kRowsResetByNoExpansion; ++r)
            m_cmbTuq[r]->setListIndex(0);
    }
    if (m_optExp[1]->value()) {
        if (const QString type = AccessoryStore::Expansion_Type(m_optExp[1]->text()); !type.isEmpty())
            strExpIO = type;

        for (QLabel* label : {m_lblQuantity, m_lblTuq, m_lblDescription})
            label->show();
        m_lblNote->setText(strExpIO_Note);
        m_lblNote->show();

        int r = 0;
        // A type with more cards than rows shows the first 18.
        for (const AccessoryStore::CardRow& row : AccessoryStore::Cards(strExpIO)) {
            setQuantity(r, row.quantity);
            m_lblTuq_Card[r]->setText(row.card);
            m_lblTuq_Desc[r]->setText(row.description);
            ++r;
        }
        // Rows the query did not reach hold no card: no design caption shows through.
        for (; r < Card_Rows; ++r) {
            m_lblTuq_Card[r]->setText(QString());
            m_lblTuq_Desc[r]->setText(QString());
            m_cmbTuq[r]->setListIndex(-1);
        }

        int count = 0;
        for (r = 0; r < Card_Rows; ++r) {
            const bool shown = !m_lblTuq_Card[r]->text().isEmpty();
            m_cmbTuq[r]->setHidden(!shown);
            m_lblTuq_Card[r]->setHidden(!shown);
            m_lblTuq_Desc[r]->setHidden(!shown);
            count += shown ? 1 : 0;
        }
        const int height = kCardsHeight - (kRowsInCardsHeight - count) * kHeightPerRow;
        setWindowHeight(height);
        m_lblWarning->move(m_lblWarning->x(), Twips::toPixels(height - 1000));
        m_lblWarning->show();
    }
}

void frmAccessories::Restore_Card_Quantities(const Globals::List21& entry, const Globals::List21& quantity)
{
    for (int r = 0; r < Card_Rows; ++r) {
        const QString card = m_lblTuq_Card[r]->text();
        if (card.isEmpty())
            continue;
        for (int q = 0; q < static_cast<int>(entry.size()); ++q) {
            if (entry[q].compare(card, Qt::CaseInsensitive) == 0) {
                setQuantity(r, quantity[q]);
                break;
            }
        }
    }
}

void frmAccessories::cmdDone_Click()
{
    Unload();
}

int frmAccessories::store()
{
    const int number = m_context;
    const SetupKinds::AccessoryContext* context = SetupKinds::accessoryContext(number);
    const SetupKinds::Kind* opener = context ? SetupKinds::find(context->kind) : nullptr;
    int dropped = 0;
    {
        FlagGuard loading(Globals::Loading_Lists, true);
        AccessoryStore::Choice choice;
        for (int i : m_lstAccessories->selectedRows())
            choice.accessories << m_lstAccessories->list(i);
        choice.expansion = m_optExp[1]->value();
        for (int r = 0; r < Card_Rows; ++r)
            choice.cards.append({m_lblTuq_Card[r]->text(), m_lblTuq_Desc[r]->text(), m_cmbTuq[r]->text()});
        // The breakout quantity follows the controller's options 2 and 3, as
        // the options dialog chose them or, on a level it could not restore,
        // as they were saved: as a reopen holds it to them.
        if (context && context->breakoutQuantity) {
            choice.controllerOption2 = Globals::Controller_Options[2];
            choice.controllerOption3 = Globals::Controller_Options[3];
        }
        // The expansion choice is stored with the cards it keeps, not before:
        // a project saved while the dialog is open holds the two together.
        if (context && context->expansion)
            *context->expansion = choice.expansion ? 1 : 0;
        dropped = AccessoryStore::Store(number, choice);

        // Openers that are not loaded (or not built yet) are skipped.
        if (opener) {
            if (context->byOptionsDialog)
                updateOwner(opener->optionsDialog);
            if (opener->formShowsAccessories)
                updateSetupForm(opener->form);
        }
    }
    return dropped;
}

void frmAccessories::Store_Shown()
{
    tellDropped(store());
}

void frmAccessories::Form_Unload(bool& cancel)
{
    (void)cancel;
    const SetupKinds::AccessoryContext* context = SetupKinds::accessoryContext(m_context);
    const SetupKinds::Kind* opener = context ? SetupKinds::find(context->kind) : nullptr;
    const int dropped = store();

    // Back to the options dialog that opened the dialog (the toolbar stays off
    // while it is open), else to the setup form.
    if (opener) {
        Globals::Current_Form = context->byOptionsDialog ? opener->optionsDialog : opener->form;
        Globals::System_Type = opener->number;
        DialogSupport::setToolbarEnabled(!context->byOptionsDialog);
    }
    tellDropped(dropped);
}
