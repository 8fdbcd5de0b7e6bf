object HesapAc1: THesapAc1
  Left = 483
  Top = 241
  Width = 357
  Height = 255
  Caption = 'Hesap A'#231
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  OnClose = FormClose
  object Bevel1: TBevel
    Left = 8
    Top = 16
    Width = 329
    Height = 169
    Style = bsRaised
  end
  object Label2: TLabel
    Left = 24
    Top = 35
    Caption = 'Kullan'#253'c'#253' Ad'#253':'
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label3: TLabel
    Left = 68
    Top = 59
    Caption = #222'ifre:'
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label1: TLabel
    Left = 20
    Top = 83
    Caption = #222'ifre Do'#240'rula:'
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label4: TLabel
    Left = 40
    Top = 107
    Caption = 'Uzun isim:'
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label7: TLabel
    Left = 51
    Top = 131
    Caption = 'E-Posta:'
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object cxTextEdit1: TcxTextEdit
    Left = 104
    Top = 32
    TabOrder = 0
    Width = 193
  end
  object cxTextEdit2: TcxTextEdit
    Left = 104
    Top = 56
    Style.Shadow = False
    TabOrder = 1
    Width = 81
  end
  object cxTextEdit3: TcxTextEdit
    Left = 104
    Top = 80
    TabOrder = 2
    Width = 81
  end
  object cxTextEdit4: TcxTextEdit
    Left = 104
    Top = 104
    TabOrder = 3
    Width = 193
  end
  object cxTextEdit5: TcxTextEdit
    Left = 104
    Top = 128
    TabOrder = 4
    Width = 193
  end
  object SpeedButton2: TSpeedButton
    Left = 305
    Top = 29
    Width = 24
    Height = 25
    Flat = True
  end
  object SpeedButton3: TSpeedButton
    Left = 305
    Top = 101
    Width = 24
    Height = 25
    Flat = True
  end
  object SpeedButton5: TSpeedButton
    Left = 25
    Top = 190
    Width = 24
    Height = 25
    Flat = True
  end
  object Label5: TLabel
    Left = 52
    Top = 198
    Caption = 'Simgeli alanlar zorunlu girilecek.'
  end
  object SpeedButton1: TSpeedButton
    Left = 266
    Top = 192
    Width = 71
    Height = 25
    Caption = 'Hesap A'#231
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    OnClick = SpeedButton1Click
  end
end
