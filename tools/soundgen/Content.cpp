#include "Content.h"

#include "Speech.h"
#include "Synth.h"

#include <array>
#include <string_view>

namespace soundgen {

namespace {

// Every voice speaks at one loudness, whatever the take's wording and espeak-ng's variant. The
// mixer adds the music at full volume under it: the ceiling on its peaks leaves the music room
// below full scale.
constexpr double kSpeechLoudness = -18.0; // dBFS
constexpr float kSpeechCeiling = 0.7f;
constexpr float kKnockPeak = 0.45f;
// A narration's music stands this far below its voice, so that the fanfares between the lines
// do not drown them.
constexpr double kNarrationMusicBelowVoice = 4.0; // dB

// Voice variants without breath noise: espeak-ng draws that noise at random, and a pack built
// with it was seen to differ from a rebuild of the same sources.
constexpr const char* kFemale = "f4";
constexpr const char* kMale = "m3";

struct Spoken {
    std::string_view name;
    std::vector<Utterance> takes; // one per variant; a single take makes a single effect
};

// Variants differ in wording and in voice, so that a repeated phrase does not sound canned.
std::vector<Spoken> spokenEffects() {
    return {
        {"qualaresposta",
         {{"Qual é a resposta?"},
          {"E então, qual é a resposta?", kFemale, 55},
          {"Pense bem. Qual é a resposta?", kMale, 42}}},
        {"temcerteza",
         {{"Tem certeza?"}, {"Você tem certeza?", kFemale, 58}, {"Está certo disso?", kMale, 40}}},
        {"acerto",
         {{"Certa resposta!", "", 60},
          {"Acertou! Muito bem!", kFemale, 62},
          {"Resposta certa, parabéns!", kMale, 52}}},
        {"errar",
         {{"Que pena, você errou.", "", 38},
          {"Resposta errada!", kFemale, 45},
          {"Ah, não foi dessa vez.", kMale, 35}}},
        {"ganhou",
         {{"Você ganhou um milhão de reais!", "", 65},
          {"É o milhão! Você ganhou!", kFemale, 66},
          {"Incrível! Você ganhou o prêmio máximo!", kMale, 60}}},
        {"parar",
         {{"Você parou. Boa decisão!"},
          {"Parou! Leva para casa o que ganhou.", kFemale, 52},
          {"Melhor parar por aqui.", kMale, 44}}},
        {"pular",
         {{"Pulou! Vamos para a próxima pergunta."},
          {"Vamos pular essa pergunta.", kFemale, 55},
          {"Tudo bem, próxima pergunta!", kMale, 48}}},
        {"tempoesg",
         {{"Seu tempo esgotou!", "", 45},
          {"O tempo acabou!", kFemale, 50},
          {"Acabou o tempo!", kMale, 40}}},
        {"tempoacabando",
         {{"Seu tempo está acabando!", "", 58, 175},
          {"Depressa, o tempo está acabando!", kFemale, 62, 180},
          {"Rápido, o tempo está no fim!", kMale, 55, 175}}},
        {"ajudacartas",
         {{"Escolha uma carta."},
          {"Pegue uma das cartas!", kFemale, 56},
          {"Vamos às cartas. Escolha uma!", kMale, 46}}},
        {"ajudaconvid",
         {{"Vamos ouvir os nossos convidados."},
          {"Convidados, qual é a sua opinião?", kFemale, 55},
          {"Vejamos o que dizem os convidados.", kMale, 45}}},
        {"placas",
         {{"Plateia, levantem as placas!"},
          {"Vamos ver o que a plateia acha.", kFemale, 55},
          {"Atenção, plateia! Mostrem as placas!", kMale, 48}}},
        {"boasorte", {{"Boa sorte!", "", 58}}},
        {"tchau", {{"Tchau! Até a próxima!", "", 55}}},
        {"conhecer", {{"Olá! Vamos nos conhecer? Digite o seu nome.", "", 55}}},
        {"tirouzero", {{"Tirou zero! Nenhuma resposta será eliminada.", "", 42, 160}}},
        {"eliminarerradas", {{"Vamos eliminar as respostas erradas.", "", 52}}},
        {"responda", {{"Agora, responda!", "", 55}}},
    };
}

// The amount each step of the ladder is worth, spoken on the status screen.
constexpr std::array<std::string_view, 16> kStepValues{
    "Mil reais!",           "Dois mil reais!",         "Três mil reais!",
    "Quatro mil reais!",    "Cinco mil reais!",        "Dez mil reais!",
    "Vinte mil reais!",     "Trinta mil reais!",       "Quarenta mil reais!",
    "Cinquenta mil reais!", "Cem mil reais!",          "Duzentos mil reais!",
    "Trezentos mil reais!", "Quatrocentos mil reais!", "Quinhentos mil reais!",
    "Um milhão de reais!"};

// Gathers the phrases of the whole pack so that espeak-ng runs once, in parallel, for all.
class SpeechBatch {
  public:
    std::size_t add(Utterance utterance) {
        utterances_.push_back(std::move(utterance));
        return utterances_.size() - 1;
    }
    void run() { results_ = speakAll(utterances_); }
    Pcm take(std::size_t index) const {
        Pcm speech = results_.at(index);
        normalizeLoudness(speech, kSpeechLoudness, kSpeechCeiling);
        return speech;
    }

  private:
    std::vector<Utterance> utterances_;
    std::vector<Pcm> results_;
};

void addKnocks(Waveforms& pack) {
    auto shaped = [](Pcm pcm) {
        normalize(pcm, kKnockPeak);
        return std::vector<Pcm>{std::move(pcm)};
    };
    pack["click"] = shaped(knock({{2400, 3700}, 0.004, 0.6f, 0.04, 11}));
    pack["wood"] = shaped(knock({{820, 1290, 2100}, 0.025, 0.3f, 0.15, 12}));
    pack["tickone"] = shaped(knock({{3100, 6200}, 0.006, 0.2f, 0.05, 13}));
    Pcm toggle = knock({{1800, 2900}, 0.005, 0.5f, 0.04, 14});
    mixInto(toggle, knock({{1500, 2500}, 0.005, 0.5f, 0.04, 15}), 0.035, 0.8f);
    pack["switch"] = shaped(std::move(toggle));
    pack["mudo"] = {silence(0.02)};
}

void addRoll(std::vector<Hit>& hits, double at, double seconds, int note) {
    const int strokes = static_cast<int>(seconds / 0.06);
    for (int i = 0; i < strokes; ++i)
        hits.push_back({at + i * 0.06, note, 0.4, Voice::Timpani,
                        0.25f + 0.5f * static_cast<float>(i) / strokes});
}

// The call of a fanfare on the given key: three short notes and a held fifth above.
void addFanfare(std::vector<Hit>& hits, double at, int root, double beat) {
    for (int i = 0; i < 3; ++i)
        hits.push_back({at + i * beat / 3, root, beat / 3 * 0.9, Voice::Brass, 0.5f});
    hits.push_back({at + beat, root + 7, beat * 1.5, Voice::Brass, 0.55f});
    hits.push_back({at + beat, root + 4, beat * 1.5, Voice::Brass, 0.35f});
    hits.push_back({at + beat * 2.5, root + 12, beat * 2, Voice::Brass, 0.6f});
}

void addChord(std::vector<Hit>& hits, double at, std::initializer_list<int> notes, double seconds,
              Voice voice, float gain) {
    for (int note : notes)
        hits.push_back({at, note, seconds, voice, gain});
}

// Lays a voice over the music, which steps back while it speaks.
void speakOver(Pcm& music, const Pcm& voice, double atSeconds) {
    constexpr float kMusicUnderVoice = 0.3f;
    duck(music, atSeconds, atSeconds + voice.seconds(), kMusicUnderVoice);
    mixInto(music, voice, atSeconds, 1.0f);
}

Pcm withMusicLevel(const std::vector<Hit>& hits) {
    Pcm music = render(hits);
    normalizeLoudness(music, kSpeechLoudness - kNarrationMusicBelowVoice, kSpeechCeiling);
    return music;
}

Pcm mixed(const Narration& narration) {
    Pcm mix = narration.music;
    for (const SpokenLine& line : narration.lines)
        speakOver(mix, line.voice, line.atSeconds);
    mix.samples.resize(silence(narration.seconds).samples.size());
    fade(mix, 0.01, 0.8);
    normalizeLoudness(mix, kSpeechLoudness, kSpeechCeiling);
    return mix;
}

// The intro: a drum roll into a fanfare, and a welcome over the held chord.
Narration introTrack(Pcm welcome) {
    std::vector<Hit> hits;
    addRoll(hits, 0.0, 1.2, 38);
    addFanfare(hits, 1.2, 60, 0.6);
    hits.push_back({2.7, 50, 1.0, Voice::Cymbal, 0.5f});
    addChord(hits, 2.7, {48, 55, 60, 64}, 5.5, Voice::Pad, 0.35f);
    addFanfare(hits, 6.2, 62, 0.5);
    addChord(hits, 7.45, {50, 57, 62, 66}, 1.0, Voice::Pad, 0.35f);
    return {withMusicLevel(hits), {{3.2, std::move(welcome)}}, 8.6};
}

// The prize screen: bells climbing to a brass chord, then the announcement.
Narration prizeTrack(Pcm announcement) {
    std::vector<Hit> hits;
    const std::array<int, 6> climb{72, 76, 79, 84, 88, 91};
    for (std::size_t i = 0; i < climb.size(); ++i)
        hits.push_back({0.12 * i, climb[i], 1.2, Voice::Bell, 0.4f});
    addChord(hits, 0.8, {60, 64, 67, 72}, 1.6, Voice::Brass, 0.3f);
    addChord(hits, 0.8, {48, 55, 60, 64}, 4.5, Voice::Pad, 0.3f);
    hits.push_back({0.8, 50, 1.2, Voice::Cymbal, 0.35f});
    return {withMusicLevel(hits), {{2.0, std::move(announcement)}}, 5.8};
}

// The top prize: a long fanfare rising by steps, with two spoken lines over held chords.
Narration congratulationsTrack(Pcm cheer, Pcm amount) {
    std::vector<Hit> hits;
    addRoll(hits, 0.0, 1.0, 38);
    addFanfare(hits, 1.0, 60, 0.6);
    hits.push_back({2.5, 50, 1.5, Voice::Cymbal, 0.5f});
    addChord(hits, 2.5, {48, 55, 60, 64}, 4.0, Voice::Pad, 0.35f);
    addFanfare(hits, 6.0, 62, 0.6);
    hits.push_back({7.5, 50, 1.5, Voice::Cymbal, 0.5f});
    addChord(hits, 7.5, {50, 57, 62, 66}, 3.2, Voice::Pad, 0.35f);
    addRoll(hits, 10.2, 0.8, 43);
    addFanfare(hits, 11.0, 64, 0.5);
    const std::array<int, 5> sparkle{84, 88, 91, 96, 100};
    for (std::size_t i = 0; i < sparkle.size(); ++i)
        hits.push_back({11.0 + 0.1 * i, sparkle[i], 1.5, Voice::Bell, 0.25f});
    hits.push_back({12.25, 50, 0.8, Voice::Cymbal, 0.6f});
    return {withMusicLevel(hits), {{3.0, std::move(cheer)}, {8.0, std::move(amount)}}, 13.0};
}

} // namespace

Narrations buildNarrations() {
    SpeechBatch speech;
    const std::size_t welcome = speech.add({"Bem-vindo ao Quorvane!", "", 55, 140});
    const std::size_t prize = speech.add({"Veja o que você leva para casa!", "", 52, 145});
    const std::size_t cheer = speech.add({"Parabéns! Você é o novo milionário!", "", 60, 140});
    const std::size_t amount = speech.add({"Um milhão de reais!", "", 62, 130});
    speech.run();
    Narrations narrations;
    narrations.emplace("trilha09", introTrack(speech.take(welcome)));
    narrations.emplace("trilha07", prizeTrack(speech.take(prize)));
    narrations.emplace("parabens", congratulationsTrack(speech.take(cheer), speech.take(amount)));
    return narrations;
}

Waveforms buildWaveforms() {
    SpeechBatch speech;
    std::vector<std::pair<std::string_view, std::vector<std::size_t>>> spokenIndices;
    for (Spoken& spoken : spokenEffects()) {
        std::vector<std::size_t> indices;
        for (Utterance& take : spoken.takes)
            indices.push_back(speech.add(std::move(take)));
        spokenIndices.emplace_back(spoken.name, std::move(indices));
    }
    std::vector<std::size_t> valueIndices;
    for (std::string_view value : kStepValues)
        valueIndices.push_back(speech.add({std::string(value), "", 48, 140}));
    speech.run();

    Waveforms pack;
    for (const auto& [name, indices] : spokenIndices)
        for (std::size_t index : indices)
            pack[std::string(name)].push_back(speech.take(index));
    for (std::size_t index : valueIndices)
        pack["valores"].push_back(speech.take(index));
    addKnocks(pack);
    for (const auto& [name, narration] : buildNarrations())
        pack[name] = {mixed(narration)};
    return pack;
}

} // namespace soundgen
