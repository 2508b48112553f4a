// The texture's calls as the student changes them: constants typed over,
// refused when the call does not take them, and texture coordinates typed
// on one corner, which the text's other corners then follow.
#include "StudentText.h"
#include "TextureTables.h"

namespace {

ViewState Textured() { return LitState(true); }

// The text with from typed over as to (after `after`), key by key.
void TypeOver(Student& st, const std::string& from, const std::string& to, const std::string& after)
{
    st.Select(from, after);
    st.Type(to);
}

TEST(TextureCodeTest, ConstantsTypedOverReachTheRecordOrAreRefused)
{
    struct Case
    {
        const char *key, *typed;
        int ViewState::*field;
        int want;   // -1: refused
    } cases[] = {
        {"GL_TEXTURE_MIN_FILTER, ", "GL_NEAREST", &ViewState::minFilter, 0x2600},
        {"GL_TEXTURE_MAG_FILTER, ", "GL_NEAREST", &ViewState::magFilter, 0x2600},
        {"GL_TEXTURE_MAG_FILTER, ", "GL_LINEAR_MIPMAP_LINEAR", &ViewState::magFilter, -1},
        {"GL_TEXTURE_WRAP_T, ", "GL_CLAMP", &ViewState::wrapT, 0x2900},
        {"GL_TEXTURE_WRAP_S, ", "GL_DECAL", &ViewState::wrapS, -1},
        {"GL_TEXTURE_ENV_MODE, ", "GL_BLEND", &ViewState::envMode, 0x0BE2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + c.typed);
        Student st(Textured(), SceneKind::TexCube);
        const size_t at = st.text.find(c.key) + std::string(c.key).size();
        const std::string old = st.text.substr(at, st.text.find(')', at) - at);
        TypeOver(st, old, c.typed, c.key);
        if (c.want < 0) {
            EXPECT_NE(st.reason.find("Здесь можно только"), std::string::npos) << st.reason;
            EXPECT_EQ(st.now.state.*c.field, Textured().*c.field);
        } else {
            EXPECT_EQ(st.reason, "");
            EXPECT_EQ(st.now.state.*c.field, c.want);
        }
    }
}

TEST(TextureCodeTest, OneCornerTypedAndTheOthersFollow)
{
    // Corner 3 of face 1 is (1, 1): its s typed as 2 makes every s that
    // was 1 read 2, so that the picture repeats twice across each face.
    Student st(Textured(), SceneKind::TexCube);
    const size_t third = st.text.find("glTexCoord2f(1.0f, 1.0f)");
    ASSERT_NE(third, std::string::npos);
    st.caret = int(third + 13);
    st.text.erase(third + 13, 4);
    st.Type("2.0f");
    EXPECT_EQ(st.reason, "");
    EXPECT_EQ(st.now.state.texTo[0], 2.0f);
    EXPECT_EQ(st.now.state.texTo[1], 1.0f);
    st.caret = 0;   // the caret away: the turning may rewrite every literal
    st.Turn(3);
    EXPECT_FALSE(st.Has("glTexCoord2f(1.0f")) << "a corner not following";
    EXPECT_TRUE(st.Has("glTexCoord2f(2.0f, 1.0f)"));
    EXPECT_TRUE(st.Has("glTexCoord2f(0.0f, 1.0f)"));
}

TEST(TextureCodeTest, AMipmappedFilterBuildsTheLevels)
{
    Student st(Textured(), SceneKind::TexCube);
    TypeOver(st, "GL_LINEAR", "GL_LINEAR_MIPMAP_NEAREST", "GL_TEXTURE_MIN_FILTER, ");
    EXPECT_EQ(st.reason, "");
    EXPECT_TRUE(Mipmapped(st.now.state.minFilter));
    EXPECT_TRUE(st.Has("gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 64, 64, GL_RGB, GL_UNSIGNED_BYTE, picture);"));
    EXPECT_FALSE(st.Has("glTexImage2D"));
}

}
