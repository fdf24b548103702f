// A page opened from a folder in a sandboxed view reads what lies in that folder and nothing else.
#include "display/sandboxed_web_view.h"
#include "web_test_util.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(SandboxedWebView, ReadsOnlyInsideItsFolder)
{
    // root/ outside.png, outside.txt; root/site/ index.html, inside.png, sub/nested.png, and
    // links: in.png → inside.png, out.png → ../outside.png, up → ..
    QTemporaryDir temporary;
    const QDir root(temporary.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("site/sub")));
    const QDir site(root.filePath(QStringLiteral("site")));
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::red);
    for (const QString &image : {root.filePath(QStringLiteral("outside.png")),
                                 site.filePath(QStringLiteral("inside.png")),
                                 site.filePath(QStringLiteral("sub/nested.png"))})
        ASSERT_TRUE(pixel.save(image));
    ASSERT_TRUE(writeFile(root.filePath(QStringLiteral("outside.txt")), "secret"));
    ASSERT_TRUE(writeFile(site.filePath(QStringLiteral("inside.txt")), "settings"));
    ASSERT_TRUE(writeFile(site.filePath(QStringLiteral("index.html")), "<html><body></body></html>"));
    ASSERT_TRUE(QFile::link(QStringLiteral("inside.png"), site.filePath(QStringLiteral("in.png"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("../outside.png"), site.filePath(QStringLiteral("out.png"))));
    ASSERT_TRUE(QFile::link(QStringLiteral(".."), site.filePath(QStringLiteral("up"))));

    SandboxedWebView::Policy policy;
    policy.folder = site.path();
    SandboxedWebView view(policy);
    view.resize(200, 100);
    view.show();
    QSignalSpy ready(&view, &SandboxedWebView::pageReady);
    view.openPage(QUrl::fromLocalFile(site.filePath(QStringLiteral("index.html"))));
    ASSERT_TRUE(ready.wait(90000)) << "the page itself lies in the folder";

    const QStringList readable{
        QStringLiteral("inside.png"), QStringLiteral("sub/nested.png"), QStringLiteral("in.png"),
        QStringLiteral("up/site/inside.png"), QStringLiteral("inside.txt")};
    const QStringList refused{
        QStringLiteral("../outside.png"), QStringLiteral("%2e%2e/outside.png"),
        QUrl::fromLocalFile(root.filePath(QStringLiteral("outside.png"))).toString(),
        QStringLiteral("out.png"), QStringLiteral("up/outside.png"), QStringLiteral("../outside.txt"), QStringLiteral("file:///etc/hostname")};
    EXPECT_EQ(test::readableByPage(view, readable + refused), readable);

    // A page outside the folder does not open.
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.openPage(QUrl::fromLocalFile(root.filePath(QStringLiteral("outside.png"))));
    ASSERT_TRUE(loaded.wait(20000));
    EXPECT_FALSE(loaded.first().first().toBool());
    EXPECT_FALSE(view.isPageReady());
}

} // namespace
