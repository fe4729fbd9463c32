#pragma once
// A test against the protocol server in the test's own thread, on a fresh database in a
// temporary program folder. Every service address the program keeps points at it for
// the test and is restored afterwards, so no test depends on the built-in addresses.
#include "foundation/AccountClient.h"
#include "foundation/Scrambler.h"
#include "foundation/ServerAddresses.h"
#include "foundation/ServerRequest.h"
#include "foundation/Settings.h"
#include "online/Qyv_UAccC.h"
#include "online/Qyv_UStatC.h"
#include "server/OnlineServer.h"
#include "support/ProgramFolderFixture.h"

#include <memory>

namespace testsupport {

class OnlineServerFixture : public ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp());
        server = std::make_unique<VardelinServer::OnlineServer>();
        ASSERT_TRUE(server->open(dir.filePath(QStringLiteral("server.sqlite")))) << server->error().toStdString();
        ASSERT_TRUE(server->listen()) << server->error().toStdString();
        saved_ = {Settings::RatingServiceAddress, Settings::RatingServiceAddressCoded, Settings::StatServiceAddress,
                  Settings::StatServiceAddressCoded, Settings::AccountServiceAddress, Online::StatTableAddressCoded,
                  Online::AvatarFolderAddressCoded, Online::UploadScriptAddressCoded, Online::TopUpPageAddressCoded,
                  ServerAddresses::StatusPageAddress, ServerAddresses::ConfigPageAddress};
        PointAddressesAt(*server);
    }
    void TearDown() override
    {
        server.reset();
        QString* targets[] = {&Settings::RatingServiceAddress, &Settings::RatingServiceAddressCoded,
                              &Settings::StatServiceAddress, &Settings::StatServiceAddressCoded,
                              &Settings::AccountServiceAddress, &Online::StatTableAddressCoded,
                              &Online::AvatarFolderAddressCoded, &Online::UploadScriptAddressCoded,
                              &Online::TopUpPageAddressCoded, &ServerAddresses::StatusPageAddress,
                              &ServerAddresses::ConfigPageAddress};
        for (size_t i = 0; i < std::size(targets); ++i)
            *targets[i] = saved_.value(qsizetype(i));
        ServerRequest::ReadTimeoutMs = platform::HttpDefaultTimeoutMs;
        ProgramFolderFixture::TearDown();
    }

    static void PointAddressesAt(const VardelinServer::OnlineServer& s)
    {
        namespace P = VardelinServer::Paths;
        auto url = [&](const char* path) { return s.url(QLatin1String(path)); };
        Settings::RatingServiceAddress = url(P::World);
        Settings::RatingServiceAddressCoded = Scrambler::ScrambleText(url(P::World), Scrambler::KeySettings);
        Settings::StatServiceAddress = url(P::Stat);
        Settings::StatServiceAddressCoded = Scrambler::ScrambleText(url(P::Stat), Scrambler::KeySettings);
        Settings::AccountServiceAddress = Scrambler::ScrambleText(url(P::Account), Scrambler::KeyAccount);
        Online::StatTableAddressCoded = Scrambler::ScrambleText(url(P::Table), Scrambler::KeyStatTable);
        Online::AvatarFolderAddressCoded = Scrambler::ScrambleText(url(P::Avatars), Scrambler::KeyAccount);
        Online::UploadScriptAddressCoded = Scrambler::ScrambleText(url(P::Upload), Scrambler::KeyAccount);
        Online::TopUpPageAddressCoded = Scrambler::ScrambleText(url(P::TopUp), Scrambler::KeySettings);
        ServerAddresses::StatusPageAddress = Scrambler::ScrambleText(url(P::Status), Scrambler::KeySettings);
        ServerAddresses::ConfigPageAddress = Scrambler::ScrambleText(url(P::Config), Scrambler::KeySettings);
    }

    QString account() const { return server->url(QLatin1String(VardelinServer::Paths::Account)); }

    std::unique_ptr<VardelinServer::OnlineServer> server;

private:
    QStringList saved_;
};

} // namespace testsupport
