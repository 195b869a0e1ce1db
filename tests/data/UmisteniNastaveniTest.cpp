#include "data/UmisteniNastaveni.h"

#include "TestPomoc.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

using namespace lineon;

TEST(UmisteniNastaveni, TheWorkingDirectoryWinsWhenItHoldsTheFile)
{
    test::DocasnyAdresar pracovni;
    test::DocasnyAdresar program;
    EXPECT_EQ(SouborNastaveniBehu(pracovni.Cesta(), program.Cesta(), true, "/k/lineon/"), program / "$nastav");
    test::ZapsatBajty(pracovni / "$nastav", "200\r\n");
    EXPECT_EQ(SouborNastaveniBehu(pracovni.Cesta(), program.Cesta(), true, "/k/lineon/"), pracovni / "$nastav");
    EXPECT_EQ(SouborNastaveniBehu(pracovni.Cesta(), program.Cesta(), false, "/k/lineon/"), pracovni / "$nastav");
}

TEST(UmisteniNastaveni, AProgramDirectoryThatCannotBeWrittenGivesTheConfigurationDirectory)
{
    test::DocasnyAdresar pracovni;
    EXPECT_EQ(SouborNastaveniBehu(pracovni.Cesta(), "/usr/bin/", false, "/home/j/.config/lineon/"),
              "/home/j/.config/lineon/$nastav");
    // Without a home the program's directory stays, and writing it reports the failure.
    EXPECT_EQ(SouborNastaveniBehu(pracovni.Cesta(), "/usr/bin/", false, ""), "/usr/bin/$nastav");
    EXPECT_EQ(AdresarKonfigurace("/x/cfg", "/home/j"), "/x/cfg/lineon/");
    EXPECT_EQ(AdresarKonfigurace("relativni", "/home/j"), "/home/j/.config/lineon/");
    EXPECT_EQ(AdresarKonfigurace(nullptr, "/home/j"), "/home/j/.config/lineon/");
    EXPECT_EQ(AdresarKonfigurace("", nullptr), "");
}

TEST(UmisteniNastaveni, WritableDirectoriesAndTheMissingConfigurationDirectoryIsCreated)
{
    test::DocasnyAdresar adresar;
    EXPECT_TRUE(LzeZapisovat(adresar.Cesta()));
    const std::string jenCteni = adresar / "jen čtení";
    std::filesystem::create_directory(jenCteni);
    std::filesystem::permissions(jenCteni, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    // The superuser may write anywhere.
    EXPECT_EQ(LzeZapisovat(jenCteni), ::geteuid() == 0);
    std::filesystem::permissions(jenCteni, std::filesystem::perms::owner_all);

    const std::string soubor = adresar / "konfigurace/lineon/$nastav";
    VytvoritAdresarNastaveni(soubor);
    EXPECT_TRUE(std::filesystem::is_directory(adresar / "konfigurace/lineon"));
}
