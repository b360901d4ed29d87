#pragma once

#include "app/editorcontroller.h"
#include "app/tabledatasource.h"
#include "batch/allinonecontroller.h"
#include "batch/capitalizationcontroller.h"
#include "batch/namingcontroller.h"
#include "batch/numberingcontroller.h"
#include "browser/browsercontroller.h"
#include "browser/httpclient.h"
#include "browser/onlinesearch.h"
#include "images/imagecontroller.h"
#include "images/imagedrop.h"
#include "shell/quicklook.h"
#include "shell/viewcontroller.h"

// Every core controller of one editor window, created together in the order
// they need each other.
struct Controllers
{
    explicit Controllers(const QString &cacheFolder = HttpClient::defaultCacheFolder())
        : browser(std::make_unique<HttpClient>(cacheFolder))
    {}

    EditorController editor;
    TableDataSource dataSource{editor};
    ImageController images{editor};
    ImageDrop imageDrop{images, editor};
    NumberingController numbering{editor};
    CapitalizationController capitalization{editor};
    NamingController naming{editor};
    AllInOneController allInOne{numbering, capitalization, naming};
    BrowserController browser;
    OnlineSearch onlineSearch{editor, images, browser, allInOne};
    ViewController views{browser, onlineSearch};
    QuickLook quickLook{editor};
};
