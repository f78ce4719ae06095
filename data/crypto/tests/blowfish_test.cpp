#include "data/crypto/blowfish.h"

#include <gtest/gtest.h>

#include "tool_oracle.h"

namespace {

using Mode = CBlowfish::Mode;

constexpr Mode kModes[] = {Mode::ECB, Mode::CBC, Mode::CFB};

struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
};

Bytes Encrypted(const Bytes& key, Bytes data, Mode mode = Mode::ECB, const Bytes& iv = {}) {
    CBlowfish bf;
    EXPECT_TRUE(bf.SetKey(key.data(), key.size(), iv.empty() ? nullptr : iv.data()));
    EXPECT_TRUE(bf.Encrypt(data.data(), data.size(), mode));
    return data;
}

// The published table of single-block vectors with 8-byte keys.
const Vector kEcbVectors[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
    {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
    {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
    {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
    {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
    {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
    {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
    {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
    {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
    {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
    {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
    {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
    {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
    {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
    {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
    {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
    {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
    {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
    {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
    {"1F1F1F1F0E0E0E0E", "0123456789ABCDEF", "A790795108EA3CAE"},
    {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
    {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
    {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
    {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
    {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
};

// The published vectors of one block under the first 1 to 24 bytes of one key.
const char kVariableKey[] = "F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677";
const char kVariableKeyPlain[] = "FEDCBA9876543210";
const char* const kVariableKeyCipher[24] = {
    "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05",
    "B39E44481BDB1E6E", "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82",
    "15750E7A4F4EC577", "122BA70B3AB64AE0", "3A833C9AFFC537F6", "9409DA87A90F6BF2",
    "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F", "93142887EE3BE15C",
    "03429E838CE2D14B", "A4299E27469FF67B", "AFD5AED1C1BC96A8", "10851C0E3858DA9F",
    "E6F51ED79B9DB21F", "64A6E14AFD36B46F", "80C7D7D45A5479AD", "05044B62FA52D080",
};

TEST(BlowfishVectors, EcbTableEnciphersAndDeciphers) {
    for (const Vector& v : kEcbVectors) {
        SCOPED_TRACE(v.key);
        const Bytes key = FromHex(v.key);
        Bytes block = FromHex(v.plain);
        CBlowfish bf;
        ASSERT_TRUE(bf.SetKey(key.data(), key.size()));
        ASSERT_TRUE(bf.Encrypt(block.data(), block.size()));
        EXPECT_EQ(ToHex(block), v.cipher);
        ASSERT_TRUE(bf.Decrypt(block.data(), block.size()));
        EXPECT_EQ(ToHex(block), v.plain);
    }
}

TEST(BlowfishVectors, EveryKeyLengthFromOneTo24Bytes) {
    const Bytes fullKey = FromHex(kVariableKey);
    for (std::size_t length = 1; length <= 24; ++length) {
        SCOPED_TRACE(length);
        const Bytes key(fullKey.begin(), fullKey.begin() + length);
        EXPECT_EQ(ToHex(Encrypted(key, FromHex(kVariableKeyPlain))), kVariableKeyCipher[length - 1]);
    }
}

TEST(BlowfishKey, BytesPast56AreIgnoredAndByte56Counts) {
    const Bytes key = RandomBytes(72, 1);
    const Bytes block = RandomBytes(16, 2);
    const Bytes first56(key.begin(), key.begin() + 56);
    const Bytes first55(key.begin(), key.begin() + 55);
    EXPECT_EQ(Encrypted(key, block), Encrypted(first56, block));
    EXPECT_NE(Encrypted(first56, block), Encrypted(first55, block));
}

TEST(BlowfishKey, RekeyingStartsAgainFromPi) {
    const Bytes keyA = FromHex("00112233445566778899AABBCCDDEEFF");
    const Bytes keyB = FromHex("F0E1D2C3B4A5968778695A4B3C2D1E0F");
    Bytes reused = RandomBytes(64, 3);
    CBlowfish bf;
    ASSERT_TRUE(bf.SetKey(keyA.data(), keyA.size()));
    ASSERT_TRUE(bf.SetKey(keyB.data(), keyB.size()));
    ASSERT_TRUE(bf.Encrypt(reused.data(), reused.size()));
    EXPECT_EQ(reused, Encrypted(keyB, RandomBytes(64, 3)));
}

TEST(BlowfishRefusal, UnkeyedObjectChangesNothing) {
    Bytes data = RandomBytes(16, 4);
    const Bytes before = data;
    const Bytes key = FromHex("0123456789ABCDEF");

    CBlowfish fresh;
    CBlowfish emptied;
    ASSERT_TRUE(emptied.SetKey(key.data(), key.size()));
    EXPECT_FALSE(emptied.SetKey(key.data(), 0));
    CBlowfish nullKey;
    EXPECT_FALSE(nullKey.SetKey(nullptr, 16));

    for (CBlowfish* bf : {&fresh, &emptied, &nullKey}) {
        EXPECT_FALSE(bf->IsKeyed());
        for (Mode mode : kModes) {
            EXPECT_FALSE(bf->Encrypt(data.data(), data.size(), mode));
            EXPECT_FALSE(bf->Decrypt(data.data(), data.size(), mode));
        }
    }
    EXPECT_EQ(data, before);
}

TEST(BlowfishRefusal, LengthsThatAreNotWholeBlocksChangeNothing) {
    const Bytes key = FromHex("F0E1D2C3B4A5968778695A4B3C2D1E0F");
    CBlowfish bf;
    ASSERT_TRUE(bf.SetKey(key.data(), key.size()));
    for (std::size_t n : {0, 1, 7, 9, 12, 15, 1001}) {
        SCOPED_TRACE(n);
        for (Mode mode : kModes) {
            Bytes data = RandomBytes(1024, 5);
            Bytes out(1024, 0xAA);
            const Bytes before = data;
            EXPECT_FALSE(bf.Encrypt(data.data(), n, mode));
            EXPECT_FALSE(bf.Decrypt(data.data(), n, mode));
            EXPECT_FALSE(bf.Encrypt(data.data(), out.data(), n, mode));
            EXPECT_FALSE(bf.Decrypt(data.data(), out.data(), n, mode));
            EXPECT_EQ(data, before);
            EXPECT_EQ(out, Bytes(1024, 0xAA));
        }
    }
}

TEST(BlowfishRefusal, UnknownModeChangesNothing) {
    const Bytes key = FromHex("0123456789ABCDEF");
    CBlowfish bf;
    ASSERT_TRUE(bf.SetKey(key.data(), key.size()));
    Bytes data = RandomBytes(16, 6);
    const Bytes before = data;
    EXPECT_FALSE(bf.Encrypt(data.data(), data.size(), static_cast<Mode>(3)));
    EXPECT_FALSE(bf.Decrypt(data.data(), data.size(), static_cast<Mode>(-1)));
    EXPECT_EQ(data, before);
}

TEST(BlowfishModes, RoundTripInPlaceAndBetweenBuffers) {
    const Bytes key = RandomBytes(16, 7);
    const Bytes iv = RandomBytes(8, 8);
    CBlowfish bf;
    ASSERT_TRUE(bf.SetKey(key.data(), key.size(), iv.data()));
    for (Mode mode : kModes) {
        for (std::size_t n : {8, 16, 24, 1000, 4096}) {
            SCOPED_TRACE(testing::Message() << "mode " << int(mode) << " length " << n);
            const Bytes plain = RandomBytes(n, std::uint32_t(n));
            Bytes cipher(n);
            ASSERT_TRUE(bf.Encrypt(plain.data(), cipher.data(), n, mode));
            EXPECT_NE(cipher, plain);

            Bytes inPlace = plain;
            ASSERT_TRUE(bf.Encrypt(inPlace.data(), n, mode));
            EXPECT_EQ(inPlace, cipher);

            Bytes back(n);
            ASSERT_TRUE(bf.Decrypt(cipher.data(), back.data(), n, mode));
            EXPECT_EQ(back, plain);
            ASSERT_TRUE(bf.Decrypt(inPlace.data(), n, mode));
            EXPECT_EQ(inPlace, plain);
        }
    }
}

TEST(BlowfishModes, ChainingModesHideRepeatedBlocksAndDependOnTheVector) {
    const Bytes key = RandomBytes(16, 9);
    const Bytes repeated(32, 0x5A);
    const Bytes ivA(8, 0), ivB = RandomBytes(8, 10);
    const Bytes ecb = Encrypted(key, repeated, Mode::ECB);
    EXPECT_TRUE(std::equal(ecb.begin(), ecb.begin() + 8, ecb.begin() + 8));
    for (Mode mode : {Mode::CBC, Mode::CFB}) {
        SCOPED_TRACE(int(mode));
        const Bytes a = Encrypted(key, repeated, mode, ivA);
        EXPECT_FALSE(std::equal(a.begin(), a.begin() + 8, a.begin() + 8));
        EXPECT_NE(a, Encrypted(key, repeated, mode, ivB));
        // Each call is a message of its own: a second call starts from the vector again.
        EXPECT_EQ(a, Encrypted(key, repeated, mode, ivA));
    }
}

// An independent implementation over random buffers, keys and vectors.
TEST(BlowfishModes, MatchesOpensslInEveryMode) {
    const Bytes probe = FromHex(kVariableKeyPlain);
    const auto probed = RunTool("openssl enc -bf-ecb -nopad -provider legacy -provider default -K " +
                                    std::string(kVariableKey, 32),
                                probe);
    if (!probed || ToHex(*probed) != kVariableKeyCipher[15])
        GTEST_SKIP() << "openssl without the legacy provider";

    const struct {
        Mode mode;
        const char* cipher;
    } kTools[] = {{Mode::ECB, "bf-ecb"}, {Mode::CBC, "bf-cbc"}, {Mode::CFB, "bf-cfb"}};
    std::uint32_t seed = 100;
    for (const auto& tool : kTools) {
        for (std::size_t n : {8, 64, 520, 2048}) {
            SCOPED_TRACE(testing::Message() << tool.cipher << " length " << n);
            const Bytes key = RandomBytes(16, ++seed);
            const Bytes iv = RandomBytes(8, ++seed);
            const Bytes plain = RandomBytes(n, ++seed);
            std::string command = std::string("openssl enc -") + tool.cipher +
                                  " -nopad -provider legacy -provider default -K " + ToHex(key);
            if (tool.mode != Mode::ECB)
                command += " -iv " + ToHex(iv);
            const auto expected = RunTool(command, plain);
            ASSERT_TRUE(expected.has_value());
            EXPECT_EQ(ToHex(Encrypted(key, plain, tool.mode, iv)), ToHex(*expected));
        }
    }
}

}  // namespace
