object Mesaj1: TMesaj1
  Left = 334
  Top = 336
  Width = 422
  Height = 263
  Caption = 'Mesaj1'
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  object Memo1: TMemo
    Left = 0
    Top = 0
    Width = 414
    Height = 185
    Align = alTop
    ReadOnly = True
    TabOrder = 0
  end
  object Memo2: TMemo
    Left = 0
    Top = 185
    Width = 414
    Height = 48
    Align = alTop
    TabOrder = 1
    OnKeyPress = Memo2KeyPress
  end
  object BitBtn1: TBitBtn
    Left = 326
    Top = 197
    Width = 75
    Height = 25
    Caption = 'G'#246'nder'
    TabOrder = 2
    OnClick = BitBtn1Click
  end
end
