#include "browserpage.h"

#include "browsertablemodel.h"
#include "controllers.h"
#include "model/cover.h"
#include "ui_MainWindow.h"

#include <QHeaderView>

BrowserPage::BrowserPage(Ui::MainWindow &ui, Controllers &controllers, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_controllers(controllers)
    , m_model(new BrowserTableModel(controllers.browser, this))
{
    BrowserController &browser = m_controllers.browser;
    m_ui.browserView->setDataSource(&browser);
    m_ui.browserTable->setModel(m_model);
    m_ui.browserTable->setColumnWidth(BrowserTableModel::TrackColumn, 48);
    m_ui.browserTable->setColumnWidth(BrowserTableModel::TitleColumn, 420);

    connect(m_ui.searchField, &QLineEdit::textEdited, &browser, &BrowserController::setSearchString);
    connect(m_ui.searchField, &QLineEdit::returnPressed, this, &BrowserPage::search);
    connect(m_ui.searchButton, &QPushButton::clicked, this, &BrowserPage::search);
    connect(m_ui.amazonButton, &QPushButton::clicked, &m_controllers.onlineSearch,
            &OnlineSearch::searchInAmazon);
    connect(m_ui.checkAllButton, &QPushButton::clicked, &browser, &BrowserController::checkAll);
    connect(m_ui.uncheckAllButton, &QPushButton::clicked, &browser, &BrowserController::uncheckAll);
    connect(m_ui.applyResultsButton, &QPushButton::clicked, &browser,
            &BrowserController::applySearchResultsToSongs);
    connect(&browser, &BrowserController::releasesChanged, this, &BrowserPage::showResults);
    connect(&browser, &BrowserController::statusMessageChanged, this, &BrowserPage::showStatus);
    connect(&browser, &BrowserController::selectedIndexChanged, this, &BrowserPage::showStatus);
    showStatus();
}

void BrowserPage::showSearchText()
{
    m_ui.searchField->setText(m_controllers.browser.searchString());
    m_ui.searchField->setFocus(Qt::OtherFocusReason);
    m_ui.searchField->selectAll();
}

void BrowserPage::search()
{
    m_controllers.browser.setSearchString(m_ui.searchField->text());
    m_controllers.browser.searchDiscogs();
}

void BrowserPage::showResults()
{
    m_ui.browserView->reloadData();
    showStatus();
}

void BrowserPage::showStatus()
{
    const BrowserController &browser = m_controllers.browser;
    m_ui.browserStatusLabel->setText(browser.statusMessage());
    const Cover *cover = browser.selectedCover();
    m_ui.coverCaptionLabel->setText(cover ? cover->imageTitle() : QString());
    const bool results = !browser.covers().empty();
    m_ui.checkAllButton->setEnabled(results);
    m_ui.uncheckAllButton->setEnabled(results);
    m_ui.applyResultsButton->setEnabled(results);
}
