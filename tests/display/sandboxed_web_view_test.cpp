// A page opened from a folder in a sandboxed view reads what lies in that folder and nothing else.
#include "display/sandboxed_web_view.h"
#include "temp_folder.h"
#include "web_test_util.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

TEST(SandboxedWebView, ReadsOnlyInsideItsFolder)
{
    // root/outside.txt, root/site.txt; root/site/: index.html, inside.txt, sub/nested.txt and the links
    // in.txt → inside.txt, out.txt → ../outside.txt, up → ..
    test::TempFolder temporary;
    const QDir root(temporary.root());
    for (const char *name : {"outside.txt", "site.txt", "site/index.html", "site/inside.txt", "site/sub/nested.txt"})
        ASSERT_TRUE(temporary.put(QString::fromLatin1(name), name));
    const QDir site(root.filePath(QStringLiteral("site")));
    ASSERT_TRUE(QFile::link(QStringLiteral("inside.txt"), site.filePath(QStringLiteral("in.txt"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("../outside.txt"), site.filePath(QStringLiteral("out.txt"))));
    ASSERT_TRUE(QFile::link(QStringLiteral(".."), site.filePath(QStringLiteral("up"))));

    SandboxedWebView::Policy policy;
    policy.folder = site.path();
    SandboxedWebView view(policy);
    view.show();
    QSignalSpy ready(&view, &SandboxedWebView::pageReady);
    view.openPage(QUrl::fromLocalFile(site.filePath(QStringLiteral("index.html"))));
    ASSERT_TRUE(ready.wait(90000)) << "the page itself lies in the folder";

    const QStringList readable{QStringLiteral("inside.txt"), QStringLiteral("sub/nested.txt"),
                               QStringLiteral("in.txt"), QStringLiteral("up/site/inside.txt")};
    const QStringList refused{
        QStringLiteral("../outside.txt"), QStringLiteral("%2e%2e/outside.txt"),
        QUrl::fromLocalFile(root.filePath(QStringLiteral("outside.txt"))).toString(),
        QStringLiteral("../site.txt"), QStringLiteral("out.txt"), QStringLiteral("up/outside.txt"),
        QStringLiteral("file:///etc/hostname")};
    EXPECT_EQ(test::readableByPage(view, readable + refused), readable);

    // A page outside the folder does not open.
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.openPage(QUrl::fromLocalFile(root.filePath(QStringLiteral("outside.txt"))));
    ASSERT_TRUE(loaded.wait(20000));
    EXPECT_FALSE(loaded.first().first().toBool());
    EXPECT_FALSE(view.isPageReady());
}

} // namespace
