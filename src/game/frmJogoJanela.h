// The game screen's pointer highlights, offered by the pending action, and its test buttons.
#pragma once

class frmJogoForm;

class JanelaJogo {
  public:
    explicit JanelaJogo(frmJogoForm& jogo);

    // The highlights at a stage point in whole pixels.
    void TestaHover(int x, int y);
    void prog_Click(int Index);

  private:
    frmJogoForm& jogo_;
};
