#include "filers/EmployerList.h"
#include "filers/FilerInfo.h"
#include "shell/MainWindow.h"
#include "support/RecordScreenFixture.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace quillory;
using namespace quillory::test;

namespace {

class EmployerList : public RecordScreenFixture<FilerInfo> {
protected:
    frmEmployerList &openList(const QString &target)
    {
        list = new frmEmployerList(ctx, [this](ScreenId which, const FilerKey &key) {
            opened.append(which);
            openedFor = key;
        });
        lists.append(list);
        list->setTarget(target);
        list->load();
        list->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(list));
        return *list;
    }
    void clickRow(RecordGrid *grid, int row)
    {
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void TearDown() override
    {
        for (const auto &l : lists)
            delete l.data();
        RecordScreenFixture::TearDown();
    }
    QPointer<frmEmployerList> list;
    QVector<QPointer<frmEmployerList>> lists; // every one opened, for TearDown
};

template <typename Screen> QVector<Screen *> childrenOf(MDIForm1 &w)
{
    QVector<Screen *> found;
    for (QMdiSubWindow *sub : w.mdiArea()->subWindowList())
        if (auto *s = qobject_cast<Screen *>(sub->widget()))
            found.append(s);
    return found;
}

} // namespace

TEST_F(EmployerList, APickHandsOverTheFilerAndOpensTheTargetScreen)
{
    addFiler("11-1111111", "A", "0001", "941");
    const int b = addFiler("22-2222222", "O'NEIL & SONS", "0002", "CT-1");
    frmEmployerList &l = openList("W2");
    clickRow(l.grdEmployers, 1);
    EXPECT_EQ(opened, QVector<ScreenId>{ScreenId::W2});
    EXPECT_EQ(openedFor.fedIdNo, "22-2222222");
    EXPECT_EQ(openedFor.estNo, "0002");
    EXPECT_EQ(openedFor.filerType, "CT-1");
    EXPECT_EQ(openedFor.tfid, b);
    EXPECT_EQ(state.chosenFiler.estNo, "0002") << "kept for the menus' next choice";
    EXPECT_FALSE(l.isVisible());
}

TEST_F(EmployerList, TheFormsMenuOpensOneListAndOneFilerScreen)
{
    addFiler("11-1111111", "A");
    addFiler("22-2222222", "B");
    MDIForm1 w(ctx);
    int w2Opened = 0;
    QString w2Filer;
    ScreenOpeners openers;
    openers.filerInfo = &FilerInfo::open;
    openers.employerList = &frmEmployerList::open;
    openers.w2 = [&](MDIForm1 &, const FilerKey &key) {
        ++w2Opened;
        w2Filer = key.fedIdNo;
    };
    w.setScreenOpeners(openers);
    w.show();

    w.mnuForms_W2_Click();
    w.mnuForms_1099_Click();
    auto shown = childrenOf<frmEmployerList>(w);
    ASSERT_EQ(shown.size(), 1) << "a second command only changes the target";
    EXPECT_EQ(shown[0]->target(), "1099");
    w.mnuForms_W2_Click();
    EXPECT_EQ(shown[0]->target(), "W2");
    clickRow(shown[0]->grdEmployers, 0);
    EXPECT_EQ(w2Opened, 1);
    EXPECT_EQ(w2Filer, "11-1111111");

    w.mnuForms_TaxPayer_Click();
    w.mnuForms_TaxPayer_Click();
    auto filers = childrenOf<FilerInfo>(w);
    ASSERT_EQ(filers.size(), 1);
    QApplication::processEvents();
    filers[0]->cmdDetail[0]->click();
    EXPECT_EQ(w2Opened, 2);
    QApplication::processEvents();
    EXPECT_TRUE(childrenOf<FilerInfo>(w).isEmpty());
}
