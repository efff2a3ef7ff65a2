#include "app/HelpWindow.h"
#include "app/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextBrowser>

#include <gtest/gtest.h>

TEST(Help, EveryContextHasAGermanPage) {
    for (int context : {10, 11, 14, 16, 18, 20, 22, 23, 24, 25, 26, 27}) {
        QFile page(QDir(HelpDirectory()).filePath(QStringLiteral("%1.html").arg(context)));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << context;
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<h1>"))) << context;
        EXPECT_GT(html.size(), 400) << context;
    }
}

TEST(Help, F1ItemOpensTableOfContentsAndWindowClosesAtExit) {
    {
        TFMain w;
        w.dxBarButton1->trigger();
        THelpWindow* help = OpenHelpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->Context(), 10);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->Browser->toPlainText().contains(QStringLiteral("Inhalt")));
        EXPECT_TRUE(ShowHelpContext(25)->Context() == 25);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(OpenHelpWindow() == nullptr || !OpenHelpWindow()->isVisible());
}

TEST(Help, UnknownContextSaysSo) {
    THelpWindow help;
    EXPECT_FALSE(help.ShowContext(999));
    EXPECT_TRUE(help.Browser->toPlainText().contains(QStringLiteral("keine Hilfeseite")));
}

TEST(Help, ClosingTheMainWindowClosesTheHelp) {
    TFMain w;
    w.show();
    w.dxBarButton1->trigger();
    ASSERT_TRUE(OpenHelpWindow() && OpenHelpWindow()->isVisible());
    EXPECT_TRUE(w.close());
    QCoreApplication::processEvents();
    EXPECT_TRUE(OpenHelpWindow() == nullptr || !OpenHelpWindow()->isVisible());
}
