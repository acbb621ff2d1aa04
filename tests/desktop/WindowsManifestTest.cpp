#include <gtest/gtest.h>

#include <QString>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The manifest built into tavlora.exe, as Windows reads it when the game starts: the versions it
// was made for, UTF-8 as its ANSI code page, long paths, and per-monitor DPI awareness (v2).
TEST(WindowsManifest, TellsWindowsTheVersionsTheCodePageLongPathsAndDpiAwareness) {
#ifndef _WIN32
    GTEST_SKIP() << "only the Windows build carries a manifest";
#else
    const HMODULE game = LoadLibraryExW(QStringLiteral(TAVLORA_GAME).toStdWString().c_str(),
                                        nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(game, nullptr);
    const HRSRC found = FindResourceW(game, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr) << "no manifest resource";
    const HGLOBAL loaded = LoadResource(game, found);
    const QString manifest = QString::fromUtf8(static_cast<const char*>(LockResource(loaded)),
                                               static_cast<qsizetype>(SizeofResource(game, found)));
    FreeLibrary(game);
    for (const char* part : {
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
             ">UTF-8</activeCodePage>",
             ">true</longPathAware>",
             ">PerMonitorV2</dpiAwareness>",
             "level=\"asInvoker\"",
         }) {
        EXPECT_TRUE(manifest.contains(QLatin1String(part))) << part;
    }
#endif
}

}  // namespace
