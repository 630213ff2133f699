// The help page's structure.

#include "forms/help/help_page.h"

#include <gtest/gtest.h>

#include <string>

namespace {

size_t Count(std::string_view text, std::string_view part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// Each of PARTS occurs in TEXT, in this order.
::testing::AssertionResult InOrder(std::string_view text,
                                   std::initializer_list<std::string> parts) {
    size_t at = 0;
    for (const std::string& part : parts) {
        size_t found = text.find(part, at);
        if (found == std::string_view::npos)
            return ::testing::AssertionFailure() << "missing or out of order: " << part;
        at = found + part.size();
    }
    return ::testing::AssertionSuccess();
}

TEST(HelpPage, HasTheHeadingsCreditsHistoryNewestFirstMachinesAndFooterInOrder) {
    std::string_view page = tools::HelpPage();
    EXPECT_TRUE(page.starts_with("<html><title><head>Skarvel</head></title><body bgcolor=black>"));
    EXPECT_TRUE(InOrder(page, {"<table width=95% height=95% border=0 align=center>",
                               "Программа Skarvel",
                               "1.0.2.108",
                               "\"Begin\"",
                               "Над программой работали:",
                               "-Кодинг:",
                               "-Дизайн:",
                               "-Тестирование:",
                               "История версий:",
                               "Skarvel 1.0.7.977",
                               "Skarvel 1.0.6.783",
                               "Skarvel 1.0.5.610",
                               "Skarvel 1.0.4.430",
                               "Skarvel 1.0.3.237",
                               "Skarvel 1.0.2.108",
                               "Skarvel 1.0.1.57",
                               "Skarvel 1.0.0.0(12)",
                               "Тестовое оборудование:",
                               "Ноутбук",
                               "<table width=90% align=right>",
                               "<h4>",
                               "<a href=",
                               "</html>"}));
    EXPECT_EQ(Count(page, "<hr>"), 8u) << "one rule after each version";
    EXPECT_EQ(Count(page, "Система:&nbsp; Windows XP"), 5u);
    EXPECT_EQ(Count(page, "Дополнительно:&nbsp; Internet Explorer 5 и выше"), 5u);
    EXPECT_EQ(Count(page, "<li>Процессор:"), 5u);
}
}  // namespace
