object OturumAc1: TOturumAc1
  BorderStyle = bsNone
  Caption = 'Oturum A'#231
  ClientWidth = 245
  ClientHeight = 227
  Color = clBtnFace
  AlphaBlend = True
  AlphaBlendValue = 200
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poMainFormCenter
  OnActivate = FormActivate
  OnClose = FormClose
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 225
    Height = 169
  end
  object Label1: TLabel
    Left = 88
    Top = 136
    Cursor = crHandPoint
    Caption = 'Yeni Hesap A'#231
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsUnderline]
    ParentFont = False
    OnClick = Label1Click
  end
  object SpeedButton1: TSpeedButton
    Left = 148
    Top = 190
    Width = 70
    Height = 26
    Caption = 'Oturum A'#231
    OnClick = SpeedButton1Click
  end
  object SpeedButton2: TSpeedButton
    Left = 40
    Top = 191
    Width = 65
    Height = 25
    Caption = #199#253'k'#253#254
    OnClick = SpeedButton2Click
  end
  object LabeledEdit1: TLabeledEdit
    Left = 64
    Top = 40
    Width = 121
    Height = 21
    EditLabel.Caption = 'Kullan'#253'c'#253' Ad'#253':'
    LabelSpacing = 3
    TabOrder = 0
    OnKeyPress = LabeledEdit1KeyPress
  end
  object LabeledEdit2: TLabeledEdit
    Left = 64
    Top = 88
    Width = 121
    Height = 21
    EditLabel.Caption = 'Parola:'
    LabelSpacing = 3
    PasswordChar = '*'
    TabOrder = 1
    OnKeyPress = LabeledEdit2KeyPress
  end
end
